<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Controls</name>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Nízká</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Pravděpodobnost</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornuovy spirály</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvence</translation>
    </message>
    <message>
        <source>Parabola  K</source>
        <translation>Parabola  K</translation>
    </message>
    <message>
        <source>Veltrin (antenna)</source>
        <translation>Veltrin (anténa)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stiskněte tlačítko Start</translation>
    </message>
</context>
<context>
    <name>HandlerGuard</name>
    <message>
        <source>%1 was stopped.

%2</source>
        <translation>Akce %1 byla přerušena.

%2</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Došlo k neznámé chybě.</translation>
    </message>
</context>
<context>
    <name>RunSetup</name>
    <message>
        <source>The field %1 holds &quot;%2&quot;, which is not a number.</source>
        <translation>Pole %1 obsahuje „%2“, což není číslo.</translation>
    </message>
    <message>
        <source>Delete probability</source>
        <translation>Smazat pravděpodobnosti?</translation>
    </message>
</context>
<context>
    <name>ScenePainter</name>
    <message>
        <source>Cannot draw on the picture</source>
        <translation>Do obrázku nelze kreslit.</translation>
    </message>
    <message>
        <source>A pen %1 pixels wide cannot draw</source>
        <translation>Pero široké %1 pixelů nemůže kreslit.</translation>
    </message>
</context>
<context>
    <name>TextForm</name>
    <message>
        <source>%1 has no text form in a parameter field</source>
        <translation>Číslo %1 nelze zapsat do pole parametru.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ není číslo.</translation>
    </message>
</context>
<context>
    <name>WindowSurface</name>
    <message>
        <source>The drawing area is gone</source>
        <translation>Kreslicí plocha už neexistuje.</translation>
    </message>
    <message>
        <source>The window has no field %1</source>
        <translation>Okno nemá pole %1.</translation>
    </message>
</context>
<context>
    <name>veltrin::ChainView</name>
    <message>
        <source>%1 twips</source>
        <translation>%1 twipů</translation>
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
        <translation>twipů</translation>
    </message>
    <message>
        <source>position</source>
        <translation>poloha</translation>
    </message>
    <message>
        <source>Detector from the vertex line</source>
        <translation>Detektor od tečny ve vrcholu</translation>
    </message>
    <message>
        <source>arrows</source>
        <translation>šipky</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Šipky</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Mirror constant K</source>
        <translation>Konstanta zrcadla K</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frekvence</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvence</translation>
    </message>
    <message>
        <source>rad/twip</source>
        <translation>rad/twip</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>ohnisko</translation>
    </message>
    <message>
        <source>Focus 1/(4K) from the vertex line</source>
        <translation>Ohnisko 1/(4K) od tečny ve vrcholu</translation>
    </message>
    <message>
        <source>from focus</source>
        <translation>od ohniska</translation>
    </message>
    <message>
        <source>Detector from the focus</source>
        <translation>Detektor od ohniska</translation>
    </message>
    <message>
        <source>resultant</source>
        <translation>výslednice</translation>
    </message>
    <message>
        <source>Length of the resultant</source>
        <translation>Délka výslednice</translation>
    </message>
    <message>
        <source>probability</source>
        <translation>pravděpodobnost</translation>
    </message>
    <message>
        <source>Probability (bar height)</source>
        <translation>Pravděpodobnost (výška sloupce)</translation>
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
        <translation>Poloha detektoru</translation>
    </message>
    <message>
        <source>%1 twips</source>
        <translation>%1 twipů</translation>
    </message>
    <message>
        <source>Number of arrows</source>
        <translation>Počet šipek</translation>
    </message>
    <message>
        <source>Arrows added head to tail</source>
        <translation>Šipky skládané za sebou</translation>
    </message>
    <message>
        <source>Mirror and path</source>
        <translation>Zrcadlo a dráha světla</translation>
    </message>
    <message>
        <source>Path length of every mirror point</source>
        <translation>Délka dráhy přes každý bod zrcadla</translation>
    </message>
    <message>
        <source>&amp;Detector position:</source>
        <translation>&amp;Poloha detektoru:</translation>
    </message>
    <message>
        <source>&amp;Arrows:</source>
        <translation>Po&amp;čet šipek:</translation>
    </message>
    <message>
        <source>%1 arrows head to tail, and their resultant</source>
        <translation>%1 šipek za sebou a jejich výslednice</translation>
    </message>
    <message>
        <source>Look closer: the detector %1 from the vertex line</source>
        <translation>Bližší pohled: detektor %1 od tečny ve vrcholu</translation>
    </message>
    <message>
        <source>Path of the arrow under the pointer</source>
        <translation>Dráha šipky pod ukazatelem myši</translation>
    </message>
    <message>
        <source>Path of least time</source>
        <translation>Dráha nejkratšího času</translation>
    </message>
</context>
<context>
    <name>veltrin::ColourLegend</name>
    <message>
        <source>Colour of the mirror point:</source>
        <translation>Barva bodu zrcadla:</translation>
    </message>
    <message>
        <source>next to the axis</source>
        <translation>u osy</translation>
    </message>
    <message>
        <source>at the edge</source>
        <translation>na okraji</translation>
    </message>
    <message>
        <source>Colour key</source>
        <translation>Legenda barev</translation>
    </message>
    <message>
        <source>The arrows, the mirror and the graph are coloured by the mirror point: from dark violet next to the axis through blue and green to yellow at the mirror&apos;s edge.</source>
        <translation>Šipky, zrcadlo i graf mají barvu podle bodu zrcadla: od tmavě fialové u osy přes modrou a zelenou až po žlutou na okraji zrcadla.</translation>
    </message>
</context>
<context>
    <name>veltrin::LookCloser</name>
    <message>
        <source>Look closer…</source>
        <translation>Podívat se blíže…</translation>
    </message>
</context>
<context>
    <name>veltrin::MirrorMiniature</name>
    <message>
        <source>source plane</source>
        <translation>rovina zdroje</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>ohnisko</translation>
    </message>
    <message>
        <source>detector</source>
        <translation>detektor</translation>
    </message>
</context>
<context>
    <name>veltrin::PathTimeGraph</name>
    <message>
        <source>height below the axis (twips)</source>
        <translation>výška pod osou (twipy)</translation>
    </message>
    <message>
        <source>path length (twips)</source>
        <translation>délka dráhy (twipy)</translation>
    </message>
    <message>
        <source>shortest + one wavelength</source>
        <translation>nejkratší + jedna vlnová délka</translation>
    </message>
</context>
</TS>
