<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Controls</name>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornu-Spiralen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Parabola  K</source>
        <translation>Parabel  K</translation>
    </message>
    <message>
        <source>Veltrin (antenna)</source>
        <translation>Veltrin (Antenne)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Bitte auf Start drücken</translation>
    </message>
</context>
<context>
    <name>HandlerGuard</name>
    <message>
        <source>%1 was stopped.

%2</source>
        <translation>%1 wurde abgebrochen.

%2</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>RunSetup</name>
    <message>
        <source>The field %1 holds &quot;%2&quot;, which is not a number.</source>
        <translation>Das Feld %1 enthält „%2“, und das ist keine Zahl.</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Wahrscheinlichkeiten löschen?</translation>
    </message>
</context>
<context>
    <name>ScenePainter</name>
    <message>
        <source>Cannot draw on the picture</source>
        <translation>Auf das Bild lässt sich nicht zeichnen.</translation>
    </message>
    <message>
        <source>A pen %1 pixels wide cannot draw</source>
        <translation>Ein Stift von %1 Pixel Breite kann nicht zeichnen.</translation>
    </message>
</context>
<context>
    <name>TextForm</name>
    <message>
        <source>%1 has no text form in a parameter field</source>
        <translation>Die Zahl %1 lässt sich nicht in ein Parameterfeld schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>WindowSurface</name>
    <message>
        <source>The drawing area is gone</source>
        <translation>Die Zeichenfläche ist nicht mehr da.</translation>
    </message>
    <message>
        <source>The window has no field %1</source>
        <translation>Das Fenster hat kein Feld %1.</translation>
    </message>
</context>
<context>
    <name>veltrin::ChainView</name>
    <message>
        <source>%1 twips</source>
        <translation>%1 Twips</translation>
    </message>
</context>
<context>
    <name>veltrin::CloseUpNumbers</name>
    <message>
        <source>%1 %2</source>
        <comment>value and unit</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>twips</source>
        <translation>Twips</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Detector from the vertex line</source>
        <translation>Detektor von der Scheiteltangente</translation>
    </message>
    <message>
        <source>arrows</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Mirror constant K</source>
        <translation>Spiegelkonstante K</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>rad/twip</source>
        <translation>rad/Twip</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>Brennpunkt</translation>
    </message>
    <message>
        <source>Focus 1/(4K) from the vertex line</source>
        <translation>Brennpunkt 1/(4K) von der Scheiteltangente</translation>
    </message>
    <message>
        <source>from focus</source>
        <translation>vom Brennpunkt</translation>
    </message>
    <message>
        <source>Detector from the focus</source>
        <translation>Detektor vom Brennpunkt</translation>
    </message>
    <message>
        <source>resultant</source>
        <translation>Resultierende</translation>
    </message>
    <message>
        <source>Length of the resultant</source>
        <translation>Länge der Resultierenden</translation>
    </message>
    <message>
        <source>probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Probability (bar height)</source>
        <translation>Wahrscheinlichkeit (Balkenhöhe)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>label and value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between figures</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>veltrin::CloseUpWindow</name>
    <message>
        <source>Detector position</source>
        <translation>Detektorposition</translation>
    </message>
    <message>
        <source>%1 twips</source>
        <translation>%1 Twips</translation>
    </message>
    <message>
        <source>Number of arrows</source>
        <translation>Anzahl der Zeiger</translation>
    </message>
    <message>
        <source>Arrows added head to tail</source>
        <translation>Aneinandergehängte Zeiger</translation>
    </message>
    <message>
        <source>Mirror and path</source>
        <translation>Spiegel und Lichtweg</translation>
    </message>
    <message>
        <source>Path length of every mirror point</source>
        <translation>Weglänge über jeden Spiegelpunkt</translation>
    </message>
    <message>
        <source>&amp;Detector position:</source>
        <translation>&amp;Detektorposition:</translation>
    </message>
    <message>
        <source>&amp;Arrows:</source>
        <translation>&amp;Zeiger:</translation>
    </message>
    <message>
        <source>%1 arrows head to tail, and their resultant</source>
        <translation>%1 Zeiger aneinandergehängt und ihre Resultierende</translation>
    </message>
    <message>
        <source>Look closer: the detector %1 from the vertex line</source>
        <translation>Genauer betrachtet: Detektor %1 von der Scheiteltangente</translation>
    </message>
    <message>
        <source>Path of the arrow under the pointer</source>
        <translation>Weg des Zeigers unter der Maus</translation>
    </message>
    <message>
        <source>Path of least time</source>
        <translation>Weg der kürzesten Zeit</translation>
    </message>
</context>
<context>
    <name>veltrin::ColourLegend</name>
    <message>
        <source>Colour of the mirror point:</source>
        <translation>Farbe des Spiegelpunkts:</translation>
    </message>
    <message>
        <source>next to the axis</source>
        <translation>an der Achse</translation>
    </message>
    <message>
        <source>at the edge</source>
        <translation>am Rand</translation>
    </message>
    <message>
        <source>Colour key</source>
        <translation>Farblegende</translation>
    </message>
    <message>
        <source>The arrows, the mirror and the graph are coloured by the mirror point: from dark violet next to the axis through blue and green to yellow at the mirror&apos;s edge.</source>
        <translation>Zeiger, Spiegel und Diagramm sind nach dem Spiegelpunkt gefärbt: von Dunkelviolett an der Achse über Blau und Grün bis Gelb am Spiegelrand.</translation>
    </message>
</context>
<context>
    <name>veltrin::LookCloser</name>
    <message>
        <source>Look closer…</source>
        <translation>Genauer ansehen…</translation>
    </message>
</context>
<context>
    <name>veltrin::MirrorMiniature</name>
    <message>
        <source>source plane</source>
        <translation>Quellebene</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>Brennpunkt</translation>
    </message>
    <message>
        <source>detector</source>
        <translation>Detektor</translation>
    </message>
</context>
<context>
    <name>veltrin::PathTimeGraph</name>
    <message>
        <source>height below the axis (twips)</source>
        <translation>Höhe unter der Achse (Twips)</translation>
    </message>
    <message>
        <source>path length (twips)</source>
        <translation>Weglänge (Twips)</translation>
    </message>
    <message>
        <source>shortest + one wavelength</source>
        <translation>kürzeste + eine Wellenlänge</translation>
    </message>
</context>
</TS>
