<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Drawing of the mirror and the probability</source>
        <translation>Zeichnung des Spiegels und der Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>The parabolic mirror x = K times y squared with the incoming rays and their reflections; the Cornu spiral of arrows added head to tail for the detector&apos;s current position on the axis; and, above the axis, the probability that the light arrives at each position, drawn as bars: red for Low, green for Middle and blue for High frequency. Before the first run it asks you to press Start.</source>
        <translation>Der Parabolspiegel x = K mal y Quadrat mit den einfallenden Strahlen und ihren Reflexionen; die Cornu-Spirale aus aneinandergehängten Zeigern für die jeweilige Position des Detektors auf der Achse; und über der Achse die Wahrscheinlichkeit, dass das Licht an jeder Position ankommt, als Balken gezeichnet: rot für niedrige, grün für mittlere und blau für hohe Frequenz. Vor dem ersten Durchlauf bittet sie, Start zu drücken.</translation>
    </message>
    <message>
        <source>Animation delay</source>
        <translation>Verzögerung der Animation</translation>
    </message>
    <message>
        <source>Further to the right, the run waits longer at each detector position.</source>
        <translation>Je weiter rechts, desto länger wartet der Durchlauf an jeder Detektorposition.</translation>
    </message>
    <message>
        <source>Veltrin (antenna)</source>
        <translation>Veltrin (Antenne)</translation>
    </message>
    <message>
        <source>Mirror equation: x = K times y squared</source>
        <translation>Spiegelgleichung: x = K mal y Quadrat</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Title of the probability plot</source>
        <translation>Titel des Wahrscheinlichkeitsdiagramms</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornu-Spiralen</translation>
    </message>
    <message>
        <source>Title of the spiral plot</source>
        <translation>Titel der Spiralen</translation>
    </message>
    <message>
        <source>Runs the simulation with the chosen mirror, frequency and delay.</source>
        <translation>Startet die Simulation mit dem gewählten Spiegel, der Frequenz und der Verzögerung.</translation>
    </message>
    <message>
        <source>Ends the program.</source>
        <translation>Beendet das Programm.</translation>
    </message>
    <message>
        <source>Its probability bars are red.</source>
        <translation>Ihre Wahrscheinlichkeitsbalken sind rot.</translation>
    </message>
    <message>
        <source>Its probability bars are green.</source>
        <translation>Ihre Wahrscheinlichkeitsbalken sind grün.</translation>
    </message>
    <message>
        <source>Its probability bars are blue.</source>
        <translation>Ihre Wahrscheinlichkeitsbalken sind blau.</translation>
    </message>
    <message>
        <source>The mirror&apos;s constant K: the larger K, the more curved the mirror and the nearer its focus.</source>
        <translation>Die Spiegelkonstante K: je größer K, desto stärker gekrümmt der Spiegel und desto näher sein Brennpunkt.</translation>
    </message>
    <message>
        <source>The light&apos;s frequency: the higher, the shorter its wavelength.</source>
        <translation>Die Frequenz des Lichts: je höher, desto kürzer seine Wellenlänge.</translation>
    </message>
    <message>
        <source>The flattest mirror, its focus the farthest.</source>
        <translation>Der flachste Spiegel, sein Brennpunkt am weitesten.</translation>
    </message>
    <message>
        <source>A flat mirror, its focus far.</source>
        <translation>Ein flacher Spiegel, sein Brennpunkt weit.</translation>
    </message>
    <message>
        <source>A curved mirror, its focus near.</source>
        <translation>Ein gekrümmter Spiegel, sein Brennpunkt nah.</translation>
    </message>
    <message>
        <source>The most curved mirror, its focus the nearest.</source>
        <translation>Der am stärksten gekrümmte Spiegel, sein Brennpunkt am nächsten.</translation>
    </message>
</context>
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
    <name>RunDescription</name>
    <message>
        <source>Run %1: %2 frequency, mirror K = %3.</source>
        <translation>Durchlauf %1: Frequenz %2, Spiegel K = %3.</translation>
    </message>
    <message>
        <source>The probability peaks %L1 units right of the mirror&apos;s vertex line.</source>
        <translation>Die Wahrscheinlichkeit ist %L1 Einheiten rechts der Scheiteltangente des Spiegels am größten.</translation>
    </message>
    <message>
        <source>The focus, 1/(4K), lies %L1 units right of it.</source>
        <translation>Der Brennpunkt, 1/(4K), liegt %L1 Einheiten rechts davon.</translation>
    </message>
    <message>
        <source>The run stopped after %1 of %2 detector positions.</source>
        <translation>Der Durchlauf endete nach %1 von %2 Detektorpositionen.</translation>
    </message>
    <message>
        <source>One run is on the drawing.</source>
        <translation>Auf der Zeichnung ist ein Durchlauf.</translation>
    </message>
    <message>
        <source>%1 runs are on the drawing.</source>
        <translation>Auf der Zeichnung sind %1 Durchläufe.</translation>
    </message>
    <message>
        <source>The peak bar is %L1 units tall, %2 of the tallest a bar can be.</source>
        <translation>Der höchste Balken ist %L1 Einheiten hoch, %2 der größtmöglichen Balkenhöhe.</translation>
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
    <name>veltrin::AxisPhotons</name>
    <message>
        <source>Photons along the axis, and the bars they follow</source>
        <translation>Photonen auf der Achse und die Balken, denen sie folgen</translation>
    </message>
    <message>
        <source>No photons have landed yet.</source>
        <translation>Noch ist kein Photon angekommen.</translation>
    </message>
    <message>
        <source>%1 photons have landed on the axis; most of them %2 twips from the vertex line.</source>
        <translation>%1 Photonen sind auf der Achse angekommen, die meisten %2 Twips von der Scheiteltangente.</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchFigure</name>
    <message>
        <source>x: twips from the vertex line</source>
        <translation>x: Twips von der Scheiteltangente</translation>
    </message>
    <message>
        <source>y: twips above the axis</source>
        <translation>y: Twips über der Achse</translation>
    </message>
    <message>
        <source>Probability, twips of bar</source>
        <translation>Wahrscheinlichkeit, Twips Balken</translation>
    </message>
    <message>
        <source>x: twips behind the screen</source>
        <translation>x: Twips hinter dem Schirm</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchHelp</name>
    <message>
        <source>Experiment Bench Help</source>
        <translation>Hilfe zum Experimentiertisch</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the map shows&lt;/h2&gt;&lt;p&gt;Every point of the plane in front of the mirror is a place where a detector could stand. For each one, every point of the mirror that is kept adds its arrow, and the square of the resultant is the probability that the light arrives there, scaled as the main window&apos;s bars. The brighter the colour, the likelier; the colour bar beside the map gives the scale in twips of bar.&lt;/p&gt;&lt;h2&gt;Cutting the mirror&lt;/h2&gt;&lt;p&gt;The strip left of the map is the mirror from its upper end to its lower: bright strips are kept, dark ones cut away. Drag on it to cut strips; a drag that begins on a cut strip puts them back. The Mirror list cuts it at once: a strip around the vertex, the edges, a grating, or the zones for the detector&apos;s point. The zones belong to one experiment: once the shape, K, the source or the light changes, the list says &lt;b&gt;Cut by hand&lt;/b&gt;.&lt;/p&gt;&lt;h2&gt;The detector&lt;/h2&gt;&lt;p&gt;Click or drag on the map, type its x and y in the fields beside it, or move it with the arrow keys, which step on the map&apos;s grid: to the next multiple of 100 twips, of 20 with Shift. Beside the map its arrows are added head to tail; below them stand its probability and its share of the brightest point.&lt;/p&gt;&lt;h2&gt;Predict first&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Predict first&lt;/b&gt; hides the map and every number that would tell where the light goes. Mark where you expect it: click, or move the detector and press Enter. Send photons if you like and watch where they land; then &lt;b&gt;Reveal&lt;/b&gt; shows the map and how each mark did.&lt;/p&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;On the map: the arrow keys move the detector, Shift for smaller steps; while predicting, Enter marks its point.&lt;/li&gt;&lt;li&gt;On the mirror strip: Up and Down move its cursor, Space cuts or restores a strip, Shift+Space a wider one.&lt;/li&gt;&lt;li&gt;Ctrl+Z undoes a cut, Ctrl+Shift+Z redoes it.&lt;/li&gt;&lt;li&gt;Ctrl+N sets the bench up anew from the main window&apos;s last run. Closing the bench keeps what it shows, its cut and its undo for the next time it opens.&lt;/li&gt;&lt;li&gt;Ctrl+S saves the picture, Ctrl+Shift+S the map as CSV; Ctrl+Shift+C copies the picture, Ctrl+Alt+C the detector&apos;s numbers; Ctrl+P prints. The map&apos;s context menu has them too.&lt;/li&gt;&lt;li&gt;F1 shows this page; Escape or Ctrl+W closes the bench.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Was die Karte zeigt&lt;/h2&gt;&lt;p&gt;Jeder Punkt der Ebene vor dem Spiegel ist ein Ort, an dem ein Detektor stehen könnte. Für jeden fügt jeder erhaltene Punkt des Spiegels seinen Pfeil hinzu, und das Quadrat der Resultierenden ist die Wahrscheinlichkeit, dass das Licht dort ankommt, im Maßstab der Balken des Hauptfensters. Je heller die Farbe, desto wahrscheinlicher; die Farbskala neben der Karte gibt den Maßstab in Twips Balken an.&lt;/p&gt;&lt;h2&gt;Den Spiegel schneiden&lt;/h2&gt;&lt;p&gt;Der Streifen links der Karte ist der Spiegel von seinem oberen bis zu seinem unteren Ende: helle Streifen sind erhalten, dunkle weggeschnitten. Ziehen Sie darauf, um Streifen wegzuschneiden; ein Ziehen, das auf einem weggeschnittenen Streifen beginnt, setzt sie wieder ein. Die Liste Spiegel schneidet ihn auf einmal zu: ein Streifen um den Scheitel, die Ränder, ein Gitter oder die Zonen für den Punkt des Detektors. Die Zonen gehören zu einem Versuch: sobald sich Form, K, Quelle oder Licht ändern, zeigt die Liste &lt;b&gt;Von Hand geschnitten&lt;/b&gt;.&lt;/p&gt;&lt;h2&gt;Der Detektor&lt;/h2&gt;&lt;p&gt;Klicken oder ziehen Sie auf der Karte, tippen Sie sein x und y in die Felder daneben, oder bewegen Sie ihn mit den Pfeiltasten, die auf dem Raster der Karte schreiten: zum nächsten Vielfachen von 100 Twips, mit Umschalt von 20. Neben der Karte werden seine Pfeile aneinandergehängt; darunter stehen seine Wahrscheinlichkeit und sein Anteil am hellsten Punkt.&lt;/p&gt;&lt;h2&gt;Erst raten&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Erst raten&lt;/b&gt; blendet die Karte aus und jede Zahl, die verraten würde, wohin das Licht geht. Markieren Sie, wo Sie es erwarten: per Klick, oder bewegen Sie den Detektor und drücken Sie Enter. Senden Sie, wenn Sie möchten, Photonen und sehen Sie, wo sie landen; dann zeigt &lt;b&gt;Aufdecken&lt;/b&gt; die Karte und wie jede Marke abgeschnitten hat.&lt;/p&gt;&lt;h2&gt;Tasten&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Auf der Karte: die Pfeiltasten bewegen den Detektor, mit Umschalt in kleineren Schritten; beim Raten markiert Enter seinen Punkt.&lt;/li&gt;&lt;li&gt;Auf dem Streifen des Spiegels: Auf und Ab bewegen seinen Cursor, die Leertaste schneidet einen Streifen weg oder setzt ihn zurück, Umschalt+Leertaste einen breiteren.&lt;/li&gt;&lt;li&gt;Strg+Z macht einen Schnitt rückgängig, Strg+Umschalt+Z wiederholt ihn.&lt;/li&gt;&lt;li&gt;Strg+N richtet den Tisch neu nach dem letzten Durchlauf des Hauptfensters ein. Geschlossen behält der Tisch, was er zeigt, seinen Schnitt und seine Rückgängig-Liste für das nächste Öffnen.&lt;/li&gt;&lt;li&gt;Strg+S speichert das Bild, Strg+Umschalt+S die Karte als CSV; Strg+Umschalt+C kopiert das Bild, Strg+Alt+C die Zahlen des Detektors; Strg+P druckt. Das Kontextmenü der Karte hat sie auch.&lt;/li&gt;&lt;li&gt;F1 zeigt diese Seite; Escape oder Strg+W schließt den Tisch.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Looking closer&lt;/h2&gt;&lt;p&gt;The numbers beside the map give the place in twips. The &lt;b&gt;Colour scale&lt;/b&gt; says what the brightest colour stands for: each map&apos;s own brightest point, the focus of the whole parabola of the same K in the same light (so that a cut mirror or the circle shows how much less light it gathers), or a number you type.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;The mouse wheel, or a touchpad&apos;s pinch, zooms about the pointer; Ctrl+plus and Ctrl+minus zoom about the middle of the map; Ctrl+0 shows the whole map again.&lt;/li&gt;&lt;li&gt;Drag with the middle button, or press Ctrl and an arrow key, to move about the zoomed map. The map&apos;s context menu has the zoom too.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Genauer hinsehen&lt;/h2&gt;&lt;p&gt;Die Zahlen neben der Karte geben den Ort in Twips an. Die &lt;b&gt;Farbskala&lt;/b&gt; sagt, wofür die hellste Farbe steht: für den eigenen hellsten Punkt jeder Karte, für den Brennpunkt der ganzen Parabel mit demselben K im selben Licht (so zeigen ein beschnittener Spiegel oder der Kreis, wie viel weniger Licht sie sammeln) oder für eine Zahl, die Sie eingeben.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Das Mausrad oder ein Zusammenziehen der Finger auf dem Touchpad vergrößert um den Zeiger herum; Strg+Plus und Strg+Minus vergrößern und verkleinern um die Mitte der Karte; Strg+0 zeigt wieder die ganze Karte.&lt;/li&gt;&lt;li&gt;Ziehen Sie mit der mittleren Maustaste, oder drücken Sie Strg und eine Pfeiltaste, um sich auf der vergrößerten Karte zu bewegen. Das Kontextmenü der Karte hat das Vergrößern auch.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Other experiments&lt;/h2&gt;&lt;p&gt;The &lt;b&gt;Experiment&lt;/b&gt; list at the top of the controls (Alt+T) chooses what the light meets. Each experiment keeps its own set-up: switch back and it is as you left it. A cut&apos;s undo belongs to the experiment it was made in.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;The glass layer&lt;/b&gt;: light straight on a layer of glass. Its view shows the front surface&apos;s arrow, turned round, the back surface&apos;s, turned by the trip through the glass and back, and their sum; below, the reflection against the thickness, the present thickness marked. Drag the thickness and watch the reflection go from nothing to 16% and back every half wavelength in the glass. &lt;b&gt;With every echo&lt;/b&gt; adds the paths that go back and forth inside: the arrows wind in a spiral, the reflection tops out at 14.8%, and reflected and transmitted light add up to all of it. With white light each colour has its curve, and the strip beneath shows the layer&apos;s colour, as a soap film&apos;s.&lt;/li&gt;&lt;li&gt;&lt;b&gt;The boundary&lt;/b&gt;: light from above enters a denser medium along the bright stretch of the axis, its window. Below, the arrows turn slower by the index; the beam bends. &lt;b&gt;Path of least time&lt;/b&gt; draws the way to the detector that takes the least time, found by trying every point of the window: it crosses where the arrows at the detector turn least.&lt;/li&gt;&lt;li&gt;&lt;b&gt;The lens&lt;/b&gt;: glass as thick at each height as makes every path from the point source to the target take the same time. The plot beneath the arrows shows each path&apos;s time: flat through the lens, a valley without the glass. Drag the target (the orange square) or type it; cut the lens on the strip as the mirror is cut.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Photons, Predict first and Reveal work for the boundary and the lens as for the mirror. The glass layer has no map: save, copy and print give its view, and its photons are either reflected or go through, counted against the probabilities.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Weitere Experimente&lt;/h2&gt;&lt;p&gt;Die Liste &lt;b&gt;Experiment&lt;/b&gt; oben bei den Bedienelementen (Alt+E) wählt, worauf das Licht trifft. Jedes Experiment behält seinen eigenen Aufbau: Wechseln Sie zurück, ist er, wie Sie ihn verlassen haben. Das Rückgängigmachen eines Schnitts gehört zu dem Experiment, in dem er gemacht wurde.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Die Glasschicht&lt;/b&gt;: Licht fällt senkrecht auf eine Glasschicht. Ihre Ansicht zeigt den Pfeil der Vorderseite, umgedreht, den der Rückseite, gedreht durch den Weg durch das Glas und zurück, und ihre Summe; darunter die Reflexion über der Dicke, die aktuelle Dicke markiert. Ziehen Sie an der Dicke und sehen Sie, wie die Reflexion alle halbe Wellenlänge im Glas von null auf 16 % steigt und wieder fällt. &lt;b&gt;Mit allen Echos&lt;/b&gt; nimmt die Wege hinzu, die innen hin und her laufen: Die Pfeile winden sich zu einer Spirale, die Reflexion erreicht höchstens 14,8 %, und reflektiertes und durchgelassenes Licht ergeben zusammen alles Licht. Bei weißem Licht hat jede Farbe ihre Kurve, und der Streifen darunter zeigt die Farbe der Schicht, wie bei einem Seifenfilm.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Die Grenzfläche&lt;/b&gt;: Licht von oben tritt entlang des hellen Stücks der Achse, seines Fensters, in ein dichteres Medium ein. Unten drehen sich die Pfeile um die Brechzahl langsamer; das Bündel wird gebrochen. &lt;b&gt;Weg der kürzesten Zeit&lt;/b&gt; zeichnet den Weg zum Detektor, der die kürzeste Zeit braucht, gefunden durch Ausprobieren jedes Punktes des Fensters: Er kreuzt dort, wo sich die Pfeile am Detektor am wenigsten drehen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Die Linse&lt;/b&gt;: Glas, in jeder Höhe so dick, dass jeder Weg von der Punktquelle zum Ziel gleich lange dauert. Das Diagramm unter den Pfeilen zeigt die Zeit jedes Weges: flach durch die Linse, ein Tal ohne das Glas. Ziehen Sie das Ziel (das orange Quadrat) oder tippen Sie es ein; schneiden Sie die Linse auf dem Streifen wie den Spiegel.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Photonen, Erst raten und Aufdecken wirken bei der Grenzfläche und der Linse wie beim Spiegel. Die Glasschicht hat keine Karte: Speichern, Kopieren und Drucken geben ihre Ansicht wieder, und ihre Photonen werden entweder reflektiert oder durchgelassen und neben den Wahrscheinlichkeiten gezählt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Setups&lt;/h2&gt;&lt;p&gt;The &lt;b&gt;Setup&lt;/b&gt; button keeps the bench&apos;s experiment in a file, with its cut, its light, the detector, the photons and the marks, so that a lesson can start from it: Ctrl+O opens a setup, Ctrl+Alt+S saves this one. &lt;b&gt;Copy share code&lt;/b&gt; puts it on the clipboard as a short text to paste into a message or a worksheet; &lt;b&gt;Open share code&lt;/b&gt; opens one pasted.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aufbauten&lt;/h2&gt;&lt;p&gt;Die Schaltfläche &lt;b&gt;Aufbau&lt;/b&gt; hält den Versuch des Experimentiertischs in einer Datei fest, mit seinem Schnitt, seinem Licht, dem Detektor, den Photonen und den Markierungen, sodass eine Stunde damit beginnen kann: Strg+O öffnet einen Aufbau, Strg+Alt+S speichert diesen. &lt;b&gt;Freigabecode kopieren&lt;/b&gt; legt ihn als kurzen Text in die Zwischenablage, zum Einfügen in eine Nachricht oder ein Arbeitsblatt; &lt;b&gt;Freigabecode öffnen&lt;/b&gt; öffnet einen eingefügten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The slits&lt;/h2&gt;&lt;p&gt;A screen along the map&apos;s left edge with one to a dozen slits; the map shows the plane behind it. Type the number of &lt;b&gt;Slits&lt;/b&gt;, their &lt;b&gt;Width&lt;/b&gt; and their &lt;b&gt;Separation&lt;/b&gt;, centre to centre; slits that would overlap or leave the screen are brought closer or made narrower; or drag a slit off the axis along the screen. The light comes as a beam, or from a point source before the screen, where &lt;b&gt;Light from&lt;/b&gt; puts it.&lt;/p&gt;&lt;p&gt;At the detector each slit&apos;s arrows are drawn in its own colour with their sum, the slits one after another, head to tail, and their total in bold. The plot beneath shows how wide one slit&apos;s bright spot is at the map&apos;s far edge against the slit&apos;s width: narrow the slit and below a few wavelengths its spot grows wider. Below it the photons sent build the pattern along the detector&apos;s vertical line: those landing within about 100 twips of it, counted every 100 twips from below the axis (left) to above it (right), with the map&apos;s probability along the line drawn over them.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Which-path marks&lt;/b&gt; puts a mark (orange) on each slit that records which one the light took. Then the slits&apos; sums are not added: each starts from the same point, and the probability is the sum of their squares. The fringes vanish, and photons land without them. &lt;b&gt;Erase the marks&lt;/b&gt; erases them again (hollow): the sums add and the fringes come back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Spalte&lt;/h2&gt;&lt;p&gt;Ein Schirm am linken Rand der Karte mit einem bis zwölf Spalten; die Karte zeigt die Ebene dahinter. Geben Sie die Zahl der &lt;b&gt;Spalte&lt;/b&gt;, ihre &lt;b&gt;Breite&lt;/b&gt; und ihren &lt;b&gt;Abstand&lt;/b&gt; von Mitte zu Mitte ein; Spalte, die sich überlappen oder über den Schirm hinausreichen würden, werden näher zusammengerückt oder schmaler gemacht; oder ziehen Sie einen Spalt abseits der Achse am Schirm entlang. Das Licht kommt als Bündel oder von einer Punktquelle vor dem Schirm, die &lt;b&gt;Licht von&lt;/b&gt; setzt.&lt;/p&gt;&lt;p&gt;Am Detektor werden die Pfeile jedes Spalts in seiner eigenen Farbe mit ihrer Summe gezeichnet, die Spalte einer nach dem anderen, Spitze an Ende, und ihre Gesamtsumme fett. Das Diagramm darunter zeigt, wie breit der helle Fleck hinter einem Spalt am fernen Rand der Karte ist, gegen die Breite des Spalts: Machen Sie den Spalt schmaler, und unter einigen Wellenlängen wird sein Fleck breiter. Darunter bauen die gesendeten Photonen das Muster entlang der senkrechten Linie des Detektors auf: die, die höchstens etwa 100 Twips neben ihr landen, alle 100 Twips gezählt von unterhalb der Achse (links) bis oberhalb (rechts), darüber die Wahrscheinlichkeit der Karte entlang der Linie.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Welcher-Weg-Marken&lt;/b&gt; setzt auf jeden Spalt eine Marke (orange), die festhält, durch welchen das Licht ging. Dann werden die Summen der Spalte nicht addiert: Jede beginnt im selben Punkt, und die Wahrscheinlichkeit ist die Summe ihrer Quadrate. Die Streifen verschwinden, und die Photonen landen ohne sie. &lt;b&gt;Marken löschen&lt;/b&gt; löscht sie wieder (hohl): Die Summen addieren sich, und die Streifen kommen zurück.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchRun</name>
    <message>
        <source>veltrin: no light reaches the plane in this experiment: no photon can land</source>
        <translation>veltrin: in diesem Versuch erreicht kein Licht die Ebene: kein Photon kann ankommen</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchWindow</name>
    <message>
        <source>Experiment bench</source>
        <translation>Experimentiertisch</translation>
    </message>
    <message>
        <source>Probability map</source>
        <translation>Wahrscheinlichkeitskarte</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parabel</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>The main window&apos;s K</source>
        <translation>K des Hauptfensters</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source> rad/twip</source>
        <translation> rad/Twip</translation>
    </message>
    <message>
        <source>The main window&apos;s frequency</source>
        <translation>Frequenz des Hauptfensters</translation>
    </message>
    <message>
        <source>&amp;White light</source>
        <translation>&amp;Weißes Licht</translation>
    </message>
    <message>
        <source>Parallel beam</source>
        <translation>Paralleles Bündel</translation>
    </message>
    <message>
        <source>Point source</source>
        <translation>Punktquelle</translation>
    </message>
    <message>
        <source>Put the source at the &amp;detector</source>
        <translation>Quelle an den &amp;Detektor setzen</translation>
    </message>
    <message>
        <source>Mirror preset</source>
        <translation>Spiegelvorlage</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Ganzer Spiegel</translation>
    </message>
    <message>
        <source>Only a strip around the vertex</source>
        <translation>Nur ein Streifen um den Scheitel</translation>
    </message>
    <message>
        <source>Only the edges</source>
        <translation>Nur die Ränder</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Zones for the detector</source>
        <translation>Zonen für den Detektor</translation>
    </message>
    <message>
        <source> twips</source>
        <translation> Twips</translation>
    </message>
    <message>
        <source>Full map computed</source>
        <translation>Berechneter Teil der vollen Karte</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>&amp;K:</source>
        <translation>&amp;K:</translation>
    </message>
    <message>
        <source>&amp;Wavenumber:</source>
        <translation>&amp;Wellenzahl:</translation>
    </message>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>&amp;Spiegel:</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Save map as CSV…</source>
        <translation>Karte als CSV speichern…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy numbers</source>
        <translation>Zahlen kopieren</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Strip around the vertex</source>
        <translation>Streifen um den Scheitel</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Grating of %1 twips</source>
        <translation>Gitter mit %1 Twips Periode</translation>
    </message>
    <message>
        <source>map not yet computed</source>
        <translation>Karte noch nicht berechnet</translation>
    </message>
    <message>
        <source>The whole mirror is kept.</source>
        <translation>Der ganze Spiegel ist erhalten.</translation>
    </message>
    <message>
        <source>The map is being computed.</source>
        <translation>Die Karte wird berechnet.</translation>
    </message>
    <message>
        <source>The brightest point is %1 twips from the vertex line and %2 twips %3, with a probability of %4 twips of bar.</source>
        <translation>Der hellste Punkt liegt %1 Twips von der Scheiteltangente und %2 Twips %3, mit einer Wahrscheinlichkeit von %4 Twips Balken.</translation>
    </message>
    <message>
        <source>above the axis</source>
        <translation>über der Achse</translation>
    </message>
    <message>
        <source>below the axis</source>
        <translation>unter der Achse</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>parabola</source>
        <translation>Parabel</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>weißes Licht</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>The map is still being computed; save it once it is done.</source>
        <translation>Die Karte wird noch berechnet; speichern Sie sie, sobald sie fertig ist.</translation>
    </message>
    <message>
        <source>Save map</source>
        <translation>Karte speichern</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>The map could not be saved as %1:
%2</source>
        <translation>Die Karte konnte nicht als %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Bild drucken</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Das Bild konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Cut by hand</source>
        <translation>Von Hand geschnitten</translation>
    </message>
    <message>
        <source>It is a strip around the vertex.</source>
        <translation>Es ist ein Streifen um den Scheitel.</translation>
    </message>
    <message>
        <source>They are its edges.</source>
        <translation>Es sind seine Ränder.</translation>
    </message>
    <message>
        <source>They make a grating of %1 twips.</source>
        <translation>Sie bilden ein Gitter mit %1 Twips Periode.</translation>
    </message>
    <message>
        <source>The mirror&apos;s shape: a parabola, or a circle of the same focal length.</source>
        <translation>Die Form des Spiegels: eine Parabel oder ein Kreis mit derselben Brennweite.</translation>
    </message>
    <message>
        <source>The mirror&apos;s constant K: the larger K, the more curved the mirror and the nearer its focus.</source>
        <translation>Die Spiegelkonstante K: je größer K, desto stärker gekrümmt der Spiegel und desto näher sein Brennpunkt.</translation>
    </message>
    <message>
        <source>Sets K to one of the main window&apos;s choices.</source>
        <translation>Setzt K auf eine der Auswahlen des Hauptfensters.</translation>
    </message>
    <message>
        <source>The light&apos;s wavenumber: the larger, the shorter its wavelength.</source>
        <translation>Die Wellenzahl des Lichts: je größer, desto kürzer seine Wellenlänge.</translation>
    </message>
    <message>
        <source>Sets the wavenumber to one of the main window&apos;s frequencies.</source>
        <translation>Setzt die Wellenzahl auf eine der Frequenzen des Hauptfensters.</translation>
    </message>
    <message>
        <source>Light of many frequencies at once instead of one.</source>
        <translation>Licht vieler Frequenzen zugleich statt einer.</translation>
    </message>
    <message>
        <source>Light from far away in parallel rays, or from a point.</source>
        <translation>Licht von weit her in parallelen Strahlen oder von einem Punkt.</translation>
    </message>
    <message>
        <source>Puts a point source where the detector stands.</source>
        <translation>Setzt eine Punktquelle dorthin, wo der Detektor steht.</translation>
    </message>
    <message>
        <source>Which strips of the mirror are kept: all, some, or those cut by hand.</source>
        <translation>Welche Streifen des Spiegels bleiben: alle, einige oder die von Hand geschnittenen.</translation>
    </message>
    <message>
        <source>Grating period</source>
        <translation>Gitterperiode</translation>
    </message>
    <message>
        <source>The width of one strip and one gap of the grating.</source>
        <translation>Die Breite eines Streifens und einer Lücke des Gitters.</translation>
    </message>
    <message>
        <source>How much of the map has been computed in full detail.</source>
        <translation>Wie viel der Karte in voller Genauigkeit berechnet ist.</translation>
    </message>
    <message>
        <source>Detector x</source>
        <translation>Detektor x</translation>
    </message>
    <message>
        <source>The detector&apos;s distance from the mirror&apos;s vertex line.</source>
        <translation>Der Abstand des Detektors von der Scheiteltangente des Spiegels.</translation>
    </message>
    <message>
        <source>Detector y</source>
        <translation>Detektor y</translation>
    </message>
    <message>
        <source>The detector&apos;s height above the axis (below it where negative).</source>
        <translation>Die Höhe des Detektors über der Achse (negativ darunter).</translation>
    </message>
    <message>
        <source>&amp;x</source>
        <translation>&amp;x</translation>
    </message>
    <message>
        <source>&amp;y</source>
        <translation>&amp;y</translation>
    </message>
    <message>
        <source>Detector:</source>
        <translation>Detektor:</translation>
    </message>
    <message>
        <source>Sets the bench up anew with the main window&apos;s last run: its K and frequency, the whole mirror and the beam.</source>
        <translation>Richtet den Tisch neu nach dem letzten Durchlauf des Hauptfensters ein: dessen K und Frequenz, der ganze Spiegel und das parallele Bündel.</translation>
    </message>
    <message>
        <source>What the bench shows, how to work it, and its keys.</source>
        <translation>Was der Tisch zeigt, wie man mit ihm arbeitet, und seine Tasten.</translation>
    </message>
    <message>
        <source>Put the &amp;detector here</source>
        <translation>&amp;Detektor hierher setzen</translation>
    </message>
    <message>
        <source>They are the zones for the point x %1, y %2 twips.</source>
        <translation>Es sind die Zonen für den Punkt x %1, y %2 Twips.</translation>
    </message>
    <message>
        <source>Its probability is hidden until Reveal.</source>
        <translation>Seine Wahrscheinlichkeit bleibt bis zum Aufdecken verborgen.</translation>
    </message>
    <message>
        <source>%1 of the map&apos;s brightest point</source>
        <translation>%1 des hellsten Punkts der Karte</translation>
    </message>
    <message>
        <source>Probability %1 twips of bar, %2.</source>
        <translation>Wahrscheinlichkeit %1 Twips Balken, %2.</translation>
    </message>
    <message>
        <source>The mirror keeps %1 of its %2 strips (%3).</source>
        <translation>Der Spiegel behält %1 seiner %2 Streifen (%3).</translation>
    </message>
    <message>
        <source>The map is hidden: mark where you expect the light, then Reveal.</source>
        <translation>Die Karte ist verborgen: markieren Sie, wo Sie das Licht erwarten, dann decken Sie auf.</translation>
    </message>
    <message>
        <source>That is %1 of the whole mirror&apos;s focus, which lies %2 twips from the vertex line and %3 twips %4.</source>
        <translation>Das sind %1 des Brennpunkts des ganzen Spiegels, der %2 Twips von der Scheiteltangente und %3 Twips %4 liegt.</translation>
    </message>
    <message>
        <source>New from the main window&apos;s r&amp;un</source>
        <translation>Neu nach dem Lauf des Ha&amp;uptfensters</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>wavenumber (rad/twip)</source>
        <translation>Wellenzahl (rad/Twip)</translation>
    </message>
    <message>
        <source>x (twips from the vertex line)</source>
        <translation>x (Twips von der Scheiteltangente)</translation>
    </message>
    <message>
        <source>y (twips above the axis)</source>
        <translation>y (Twips über der Achse)</translation>
    </message>
    <message>
        <source>probability (twips of bar)</source>
        <translation>Wahrscheinlichkeit (Twips Balken)</translation>
    </message>
    <message>
        <source>share of the brightest point (%)</source>
        <translation>Anteil am hellsten Punkt (%)</translation>
    </message>
    <message>
        <source>wavenumber %1 rad/twip</source>
        <translation>Wellenzahl %1 rad/Twip</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>wavenumber and its name</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a parallel beam</source>
        <translation>ein paralleles Bündel</translation>
    </message>
    <message>
        <source>a point source at x = %1, y = %2 twips</source>
        <translation>eine Punktquelle bei x = %1, y = %2 Twips</translation>
    </message>
    <message>
        <source>Experiment bench: %1, K = %2; %3; %4.</source>
        <translation>Experimentiertisch: %1, K = %2; %3; %4.</translation>
    </message>
    <message>
        <source>The detector at x = %1, y = %2 twips: probability %3 twips of bar.</source>
        <translation>Der Detektor bei x = %1, y = %2 Twips: Wahrscheinlichkeit %3 Twips Balken.</translation>
    </message>
    <message>
        <source>The map is still being computed; the picture can be made once it is done.</source>
        <translation>Die Karte wird noch berechnet; das Bild lässt sich erstellen, sobald sie fertig ist.</translation>
    </message>
    <message>
        <source>PNG figure (*.png)</source>
        <translation>PNG-Abbildung (*.png)</translation>
    </message>
    <message>
        <source>SVG figure (*.svg)</source>
        <translation>SVG-Abbildung (*.svg)</translation>
    </message>
    <message>
        <source>&amp;Colour scale:</source>
        <translation>Far&amp;bskala:</translation>
    </message>
    <message>
        <source>The mirror</source>
        <translation>Der Spiegel</translation>
    </message>
    <message>
        <source>The glass layer</source>
        <translation>Die Glasschicht</translation>
    </message>
    <message>
        <source>The boundary</source>
        <translation>Die Grenzfläche</translation>
    </message>
    <message>
        <source>The lens</source>
        <translation>Die Linse</translation>
    </message>
    <message>
        <source>The glass&apos;s or the medium&apos;s refractive index: how much slower the light&apos;s arrow turns there.</source>
        <translation>Die Brechzahl des Glases oder des Mediums: um wie viel langsamer sich der Pfeil des Lichts dort dreht.</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>The layer&apos;s thickness.</source>
        <translation>Die Dicke der Schicht.</translation>
    </message>
    <message>
        <source>With e&amp;very echo</source>
        <translation>Mit allen Ec&amp;hos</translation>
    </message>
    <message>
        <source>Adds the paths that go back and forth inside the layer.</source>
        <translation>Nimmt die Wege hinzu, die in der Schicht hin und her laufen.</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>The beam&apos;s angle from the normal to the boundary.</source>
        <translation>Der Winkel des Strahlenbündels zum Lot auf die Grenzfläche.</translation>
    </message>
    <message>
        <source>Window from</source>
        <translation>Fenster von</translation>
    </message>
    <message>
        <source>Window to</source>
        <translation>Fenster bis</translation>
    </message>
    <message>
        <source>Where the boundary begins to let light in.</source>
        <translation>Wo die Grenzfläche beginnt, Licht einzulassen.</translation>
    </message>
    <message>
        <source>Where it stops letting light in.</source>
        <translation>Wo sie aufhört, Licht einzulassen.</translation>
    </message>
    <message>
        <source>Draws the way to the detector that takes the least time, found by trying every point the light crosses.</source>
        <translation>Zeichnet den Weg zum Detektor, der die kürzeste Zeit braucht, gefunden durch Ausprobieren jedes Punktes, den das Licht durchquert.</translation>
    </message>
    <message>
        <source>Target x</source>
        <translation>Ziel x</translation>
    </message>
    <message>
        <source>Target y</source>
        <translation>Ziel y</translation>
    </message>
    <message>
        <source>Where the lens gathers the light.</source>
        <translation>Wohin die Linse das Licht sammelt.</translation>
    </message>
    <message>
        <source>&amp;Index:</source>
        <translation>Brech&amp;zahl:</translation>
    </message>
    <message>
        <source>Window &amp;from:</source>
        <translation>Fenster &amp;von:</translation>
    </message>
    <message>
        <source>Window to:</source>
        <translation>Fenster bis:</translation>
    </message>
    <message>
        <source>index</source>
        <translation>Brechzahl</translation>
    </message>
    <message>
        <source>thickness (twips)</source>
        <translation>Dicke (Twips)</translation>
    </message>
    <message>
        <source>reflected (%)</source>
        <translation>reflektiert (%)</translation>
    </message>
    <message>
        <source>transmitted (%)</source>
        <translation>durchgelassen (%)</translation>
    </message>
    <message>
        <source>The light enters the medium of index %1 between x = %2 and %3 twips.</source>
        <translation>Das Licht tritt zwischen x = %2 und %3 Twips in das Medium der Brechzahl %1 ein.</translation>
    </message>
    <message>
        <source>The whole lens is kept.</source>
        <translation>Die ganze Linse bleibt.</translation>
    </message>
    <message>
        <source>The lens keeps %1 of its %2 strips (%3).</source>
        <translation>Die Linse behält %1 ihrer %2 Streifen (%3).</translation>
    </message>
    <message>
        <source>A layer of index %1, %2 twips thick, lit straight on%3.</source>
        <translation>Eine Schicht der Brechzahl %1, %2 Twips dick, senkrecht beleuchtet%3.</translation>
    </message>
    <message>
        <source>, with every echo</source>
        <translation>, mit allen Echos</translation>
    </message>
    <message>
        <source>Experiment bench: the glass layer; %1.</source>
        <translation>Experimentiertisch: die Glasschicht; %1.</translation>
    </message>
    <message>
        <source>a parallel beam at %1° from the normal</source>
        <translation>ein paralleles Strahlenbündel unter %1° zum Lot</translation>
    </message>
    <message>
        <source>Experiment bench: the boundary of a medium of index %1; %2; %3.</source>
        <translation>Experimentiertisch: die Grenzfläche zu einem Medium der Brechzahl %1; %2; %3.</translation>
    </message>
    <message>
        <source>Experiment bench: a lens of index %1 gathering the light to x = %2, y = %3 twips; %4; %5.</source>
        <translation>Experimentiertisch: eine Linse der Brechzahl %1, die das Licht nach x = %2, y = %3 Twips sammelt; %4; %5.</translation>
    </message>
    <message>
        <source>The glass layer has no map to save.</source>
        <translation>Die Glasschicht hat keine Karte zum Speichern.</translation>
    </message>
    <message>
        <source>Experiment: the mirror.</source>
        <translation>Experiment: der Spiegel.</translation>
    </message>
    <message>
        <source>Experiment: the glass layer.</source>
        <translation>Experiment: die Glasschicht.</translation>
    </message>
    <message>
        <source>Experiment: the boundary.</source>
        <translation>Experiment: die Grenzfläche.</translation>
    </message>
    <message>
        <source>Experiment: the lens.</source>
        <translation>Experiment: die Linse.</translation>
    </message>
    <message>
        <source>Path of least ti&amp;me</source>
        <translation>Weg der kürzesten Zei&amp;t</translation>
    </message>
    <message>
        <source>Experimen&amp;t:</source>
        <translation>&amp;Experiment:</translation>
    </message>
    <message>
        <source>T&amp;hickness:</source>
        <translation>Dic&amp;ke:</translation>
    </message>
    <message>
        <source>An&amp;gle:</source>
        <translation>Win&amp;kel:</translation>
    </message>
    <message>
        <source>Tar&amp;get:</source>
        <translation>Zie&amp;l:</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>Auf&amp;bau</translation>
    </message>
    <message>
        <source>Open, save and share the bench&apos;s setup.</source>
        <translation>Den Aufbau des Experimentiertischs öffnen, speichern und weitergeben.</translation>
    </message>
    <message>
        <source>The slits</source>
        <translation>Die Spalte</translation>
    </message>
    <message>
        <source>What the light meets: the mirror, a layer of glass, the boundary of a denser medium, a lens, or a screen with slits.</source>
        <translation>Worauf das Licht trifft: der Spiegel, eine Glasschicht, die Grenze zu einem dichteren Medium, eine Linse oder ein Schirm mit Spalten.</translation>
    </message>
    <message>
        <source>How many slits the screen has, centred on the axis.</source>
        <translation>Wie viele Spalte der Schirm hat, mittig um die Achse.</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Spaltbreite</translation>
    </message>
    <message>
        <source>Each slit&apos;s width.</source>
        <translation>Die Breite jedes Spalts.</translation>
    </message>
    <message>
        <source>Slit separation</source>
        <translation>Spaltabstand</translation>
    </message>
    <message>
        <source>From one slit&apos;s middle to the next one&apos;s. Slits that would overlap or leave the screen are brought closer or made narrower.</source>
        <translation>Von der Mitte eines Spalts zur Mitte des nächsten. Spalte, die sich überlappen oder über den Schirm hinausreichen würden, werden näher zusammengerückt oder schmaler gemacht.</translation>
    </message>
    <message>
        <source>Which-path &amp;marks</source>
        <translation>Welcher-Weg-&amp;Marken</translation>
    </message>
    <message>
        <source>Each slit marks the light that passes it: the arrows of different slits no longer add, only their squares.</source>
        <translation>Jeder Spalt markiert das Licht, das ihn passiert: Die Pfeile verschiedener Spalte addieren sich nicht mehr, nur ihre Quadrate.</translation>
    </message>
    <message>
        <source>Source x</source>
        <translation>Quelle x</translation>
    </message>
    <message>
        <source>How far before the screen the point source stands.</source>
        <translation>Wie weit vor dem Schirm die Punktquelle steht.</translation>
    </message>
    <message>
        <source>Source y</source>
        <translation>Quelle y</translation>
    </message>
    <message>
        <source>The point source&apos;s height above the axis.</source>
        <translation>Die Höhe der Punktquelle über der Achse.</translation>
    </message>
    <message>
        <source>Wi&amp;dth:</source>
        <translation>Brei&amp;te:</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>One slit %1 twips wide.</source>
        <translation>Ein Spalt, %1 Twips breit.</translation>
    </message>
    <message>
        <source>%1 slits, each %2 twips wide, %3 twips apart centre to centre.</source>
        <translation>%1 Spalte, jeder %2 Twips breit, von Mitte zu Mitte %3 Twips voneinander.</translation>
    </message>
    <message>
        <source>Each slit marks which way the light went: the slits&apos; arrows are not added, their squares are.</source>
        <translation>Jeder Spalt markiert, welchen Weg das Licht nahm: Die Pfeile der Spalte werden nicht addiert, ihre Quadrate schon.</translation>
    </message>
    <message>
        <source>The slits mark the light&apos;s way, but the eraser erases the marks: the slits&apos; arrows add.</source>
        <translation>Die Spalte markieren den Weg des Lichts, aber der Radierer löscht die Marken: Die Pfeile der Spalte addieren sich.</translation>
    </message>
    <message>
        <source>Experiment: the slits.</source>
        <translation>Experiment: die Spalte.</translation>
    </message>
    <message>
        <source>The brightest point is %1 twips behind the screen and %2 twips %3, with a probability of %4 twips of bar.</source>
        <translation>Der hellste Punkt liegt %1 Twips hinter dem Schirm und %2 Twips %3, mit einer Wahrscheinlichkeit von %4 Twips Balken.</translation>
    </message>
    <message>
        <source>Experiment bench: a screen with slits; %1; %2.</source>
        <translation>Experimentiertisch: ein Schirm mit Spalten; %1; %2.</translation>
    </message>
    <message>
        <source>Erase the mar&amp;ks</source>
        <translation>Marken lös&amp;chen</translation>
    </message>
    <message>
        <source>The eraser: erases the marks before the light reaches the detector.</source>
        <translation>Der Radierer: löscht die Marken, bevor das Licht den Detektor erreicht.</translation>
    </message>
    <message>
        <source>Sl&amp;its:</source>
        <translation>&amp;Spalte:</translation>
    </message>
    <message>
        <source>&amp;Separation:</source>
        <translation>Abstan&amp;d:</translation>
    </message>
    <message>
        <source>Light &amp;from:</source>
        <translation>Licht &amp;von:</translation>
    </message>
    <message>
        <source>x (twips behind the screen)</source>
        <translation>x (Twips hinter dem Schirm)</translation>
    </message>
</context>
<context>
    <name>veltrin::ChainPanel</name>
    <message>
        <source>Arrows at the detector</source>
        <translation>Pfeile am Detektor</translation>
    </message>
    <message>
        <source>Hidden until Reveal</source>
        <translation>Bis zum Aufdecken verborgen</translation>
    </message>
    <message>
        <source>Each colour&apos;s resultant</source>
        <translation>Resultierende jeder Farbe</translation>
    </message>
    <message>
        <source>Slits apart: squares add</source>
        <translation>Spalte getrennt: Quadrate addieren sich</translation>
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
    <message>
        <source>%1 (%2)</source>
        <comment>name and value</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>share of highest</source>
        <translation>Anteil am höchsten</translation>
    </message>
    <message>
        <source>Share of the run&apos;s highest bar</source>
        <translation>Anteil am höchsten Balken des Durchlaufs</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>key and unit</comment>
        <translation>%1 (%2)</translation>
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
    <message>
        <source>fitted to each position</source>
        <translation>jeder Position angepasst</translation>
    </message>
    <message>
        <source>one for all positions</source>
        <translation>einer für alle Positionen</translation>
    </message>
    <message>
        <source>Arrow scale</source>
        <translation>Maßstab der Zeiger</translation>
    </message>
    <message>
        <source>Copy &amp;figures</source>
        <translation>&amp;Zahlen kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;all positions</source>
        <translation>&amp;Alle Positionen kopieren</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>Copy &amp;picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Arrow &amp;scale:</source>
        <translation>&amp;Maßstab:</translation>
    </message>
    <message>
        <source>Copy all positions</source>
        <translation>Alle Positionen kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Das Bild ließ sich nicht als %1 speichern:
%2</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Bild drucken</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Das Bild ließ sich nicht drucken.</translation>
    </message>
    <message>
        <source>&amp;Experiment bench…</source>
        <translation>&amp;Experimentiertisch…</translation>
    </message>
    <message>
        <source>Moves the detector along the axis: Left and Right step a position, Home and End go to the ends.</source>
        <translation>Verschiebt den Detektor entlang der Achse: Links und Rechts um eine Position, Pos1 und Ende an die Enden.</translation>
    </message>
    <message>
        <source>How many arrows the mirror is divided into: the more, the smoother the spiral.</source>
        <translation>In wie viele Pfeile der Spiegel geteilt wird: je mehr, desto glatter die Spirale.</translation>
    </message>
    <message>
        <source>The arrows at a scale fitted to each position, or at one scale for all positions, to compare their lengths.</source>
        <translation>Die Pfeile in einem Maßstab für jede Position oder in einem Maßstab für alle Positionen, um ihre Längen zu vergleichen.</translation>
    </message>
    <message>
        <source>The arrows of all mirror points added head to tail; the line from the first tail to the last head is the resultant. Point at an arrow to see its path.</source>
        <translation>Die Pfeile aller Spiegelpunkte aneinandergereiht; die Linie vom ersten Anfang zur letzten Spitze ist die Resultierende. Zeigen Sie auf einen Pfeil, um seinen Weg zu sehen.</translation>
    </message>
    <message>
        <source>The mirror with the path of the arrow under the pointer, or else the path of least time.</source>
        <translation>Der Spiegel mit dem Weg des Pfeils unter dem Zeiger, sonst mit dem Weg der kürzesten Zeit.</translation>
    </message>
    <message>
        <source>How long the path from the source over each mirror point to the detector is: where the graph is flat, the arrows point alike.</source>
        <translation>Wie lang der Weg von der Quelle über jeden Spiegelpunkt zum Detektor ist: wo der Graph flach ist, zeigen die Pfeile gleich.</translation>
    </message>
    <message>
        <source>Copies the figures of every detector position as a table.</source>
        <translation>Kopiert die Zahlen aller Detektorpositionen als Tabelle.</translation>
    </message>
    <message>
        <source>Closes the close-up.</source>
        <translation>Schließt die Nahansicht.</translation>
    </message>
</context>
<context>
    <name>veltrin::ColourBar</name>
    <message>
        <source>Colour scale from 0 to %1 twips of bar</source>
        <translation>Farbskala von 0 bis %1 Twips Balken</translation>
    </message>
    <message>
        <source>Colour scale; its numbers are hidden until Reveal</source>
        <translation>Farbskala; ihre Zahlen bleiben bis zum Aufdecken verborgen</translation>
    </message>
    <message>
        <source>twips of bar</source>
        <translation>Twips Balken</translation>
    </message>
    <message>
        <source>twips of bar (%1)</source>
        <translation>Twips Balken (%1)</translation>
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
    <name>veltrin::CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen.</translation>
    </message>
    <message>
        <source>Choose the mirror&apos;s K: %1.</source>
        <translation>Wählt die Spiegelkonstante K: %1.</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>WERT</translation>
    </message>
    <message>
        <source>Choose the light&apos;s frequency.</source>
        <translation>Wählt die Frequenz des Lichts.</translation>
    </message>
    <message>
        <source>Set the animation&apos;s scroll bar to N, from 0 (as fast as the machine draws) to %1 (the slowest).</source>
        <translation>Stellt den Schieberegler der Animation auf N, von 0 (so schnell der Rechner zeichnet) bis %1 (am langsamsten).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Press Start once the window is shown.</source>
        <translation>Drückt Start, sobald das Fenster erscheint.</translation>
    </message>
    <message>
        <source>Make one run with no window, save its picture as a PNG file and exit.</source>
        <translation>Rechnet einen Durchlauf ohne Fenster, speichert sein Bild als PNG-Datei und beendet sich.</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>DATEI.png</translation>
    </message>
    <message>
        <source>Make one run with no window, save its probabilities as comma-separated values and exit. Together with --save-picture, the one run writes both files.</source>
        <translation>Rechnet einen Durchlauf ohne Fenster, speichert seine Wahrscheinlichkeiten als kommagetrennte Werte (CSV) und beendet sich. Zusammen mit --save-picture schreibt derselbe Durchlauf beide Dateien.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>DATEI.csv</translation>
    </message>
    <message>
        <source>(see veltrin --help)</source>
        <translation>(siehe veltrin --help)</translation>
    </message>
    <message>
        <source>--k %1 is none of the mirror constants; choose one of %2</source>
        <translation>--k %1 ist keine der Spiegelkonstanten; wählen Sie eine von %2</translation>
    </message>
    <message>
        <source>--frequency %1 is none of the frequencies; choose one of %2</source>
        <translation>--frequency %1 ist keine der Frequenzen; wählen Sie eine von %2</translation>
    </message>
    <message>
        <source>--speed %1 is not a whole number from 0 to %2</source>
        <translation>--speed %1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for the standard output</source>
        <translation>%1 braucht einen Dateinamen, oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>%1 %2: the file is written as .%3; name it so</source>
        <translation>%1 %2: die Datei wird als .%3 geschrieben; benennen Sie sie so</translation>
    </message>
    <message>
        <source>Make one run with no window, save it as a figure for a worksheet (on white, with a legend; SVG where the name ends in .svg, else PNG) and exit.</source>
        <translation>Rechnet einen Durchlauf ohne Fenster, speichert ihn als Abbildung für ein Arbeitsblatt (auf Weiß, mit Legende; SVG, wenn der Name auf .svg endet, sonst PNG) und beendet sich.</translation>
    </message>
    <message>
        <source>FILE.svg|FILE.png</source>
        <translation>DATEI.svg|DATEI.png</translation>
    </message>
    <message>
        <source>%1 and %2 both name %3; each needs a file of its own</source>
        <translation>%1 und %2 nennen beide %3; jede braucht eine eigene Datei</translation>
    </message>
    <message>
        <source>the standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <source>%1 is given more than once; it names one file</source>
        <translation>%1 ist mehrmals angegeben; die Option nennt nur eine Datei</translation>
    </message>
    <message>
        <source>veltrin: cannot write %1: %2</source>
        <translation>veltrin: %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>How a parabolic mirror gathers light, told with QED arrows.

With --save-picture, --save-figure or --save-probabilities Veltrin opens no window
and needs no display: it makes one run with the options given and writes the files.
With --save-map or --save-hits it computes the experiment bench&apos;s map instead, and
with --experiment glass --save-scan the glass layer&apos;s reflection.</source>
        <translation>Wie ein Parabolspiegel das Licht sammelt, erzählt mit den Zeigern der QED.

Mit --save-picture, --save-figure oder --save-probabilities öffnet Veltrin kein Fenster
und braucht keinen Bildschirm: Es rechnet einen Durchlauf mit den angegebenen Optionen und schreibt die Dateien.
Mit --save-map oder --save-hits berechnet es stattdessen die Karte des Experimentiertischs
und mit --experiment glass --save-scan die Reflexion der Glasschicht.</translation>
    </message>
    <message>
        <source>--setup is given more than once; it names one file</source>
        <translation>--setup ist mehr als einmal angegeben; es nennt eine Datei</translation>
    </message>
</context>
<context>
    <name>veltrin::FigureLegend</name>
    <message>
        <source>K %1, %2</source>
        <translation>K %1, %2</translation>
    </message>
</context>
<context>
    <name>veltrin::FigureSaver</name>
    <message>
        <source>Veltrin figure</source>
        <translation>Veltrin-Abbildung</translation>
    </message>
</context>
<context>
    <name>veltrin::GlassLayerView</name>
    <message>
        <source>Glass layer</source>
        <translation>Glasschicht</translation>
    </message>
    <message>
        <source>Reflected %1, transmitted %2.</source>
        <translation>Reflektiert %1, durchgelassen %2.</translation>
    </message>
    <message>
        <source>Reflected, every echo</source>
        <translation>Reflektiert, alle Echos</translation>
    </message>
    <message>
        <source>Front, back and their sum</source>
        <translation>Vorderseite, Rückseite und ihre Summe</translation>
    </message>
    <message>
        <source>front</source>
        <translation>vorn</translation>
    </message>
    <message>
        <source>back</source>
        <translation>hinten</translation>
    </message>
    <message>
        <source>Transmitted</source>
        <translation>Durchgelassen</translation>
    </message>
    <message>
        <source>Reflection against the thickness, 0 to %1 twips</source>
        <translation>Reflexion über der Dicke, 0 bis %1 Twips</translation>
    </message>
</context>
<context>
    <name>veltrin::GlassPhotons</name>
    <message>
        <source>Se&amp;nd %1 photons</source>
        <translation>%1 Photonen se&amp;nden</translation>
    </message>
    <message>
        <source>Each photon is reflected or goes through, at random with the layer&apos;s probabilities.</source>
        <translation>Jedes Photon wird zufällig reflektiert oder durchgelassen, mit den Wahrscheinlichkeiten der Schicht.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>No photons sent yet.</source>
        <translation>Noch keine Photonen gesendet.</translation>
    </message>
    <message>
        <source>Of %1 photons, %2 reflected (%3; probability %4) and %5 went through (%6; probability %7).</source>
        <translation>Von %1 Photonen wurden %2 reflektiert (%3; Wahrscheinlichkeit %4) und %5 durchgelassen (%6; Wahrscheinlichkeit %7).</translation>
    </message>
</context>
<context>
    <name>veltrin::HelpDialog</name>
    <message>
        <source>Veltrin Help</source>
        <translation>Hilfe zu Veltrin</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;&lt;b&gt;The mirror.&lt;/b&gt; On the left stands a parabolic mirror, x = K&amp;middot;y&amp;sup2;, like an antenna dish turned on its side. Light comes from the right as a parallel beam: the twelve horizontal lines are some of its rays, and after the mirror they gather near the focus, 1/(4K) to the right of the mirror&apos;s vertex. A larger K is a deeper dish with a nearer focus.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The paths.&lt;/b&gt; Quantum electrodynamics does not let the light take one ray. It asks: in how many ways can the light get from the source to a detector on the axis? Each point of the mirror gives one path: from the source to that point, and from there to the detector. Veltrin takes 3000 points of the mirror.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The arrows.&lt;/b&gt; Every path adds a little arrow, all of the same length. An arrow&apos;s direction is a clock hand that turns as the light goes: the longer the path, and the higher the frequency, the further it has turned.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The spirals.&lt;/b&gt; Below the axis the arrows of one detector position are added head to tail. Where neighbouring paths differ in length, the arrows turn against each other and curl up into a Cornu spiral that goes nowhere. Where the paths are all nearly equally long, at the focus, the arrows point the same way and the line from the first tail to the last head, the resultant, is long.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The bars.&lt;/b&gt; Press Start and the detector walks along the axis from left to right, 142 positions. At each one the square of the resultant&apos;s length is the probability that the light arrives there; it is drawn as a bar above the axis: red for Low, green for Middle and blue for High frequency. The bars peak at the focus.&lt;/p&gt;&lt;h2&gt;What to try&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Choose another frequency and press Start again. Asked &amp;ldquo;Delete probability&amp;rdquo;, answer &lt;b&gt;No&lt;/b&gt;: the bars stay, and the runs stand side by side. The higher the frequency, the narrower the peak.&lt;/li&gt;&lt;li&gt;Choose another K: the peak moves, and the dish gathers the light nearer to itself.&lt;/li&gt;&lt;li&gt;Look closer at one detector position: after a run, click its bar to open a close-up window with its arrows, its paths and its numbers; from the keyboard, use the drawing&apos;s context menu entry &lt;b&gt;Look closer&amp;hellip;&lt;/b&gt; (Ctrl+L).&lt;/li&gt;&lt;li&gt;Keep what you see: right-click the drawing to save the picture (Ctrl+S), copy it (Ctrl+C), print it (Ctrl+P), or save the bars&apos; numbers for a spreadsheet (Ctrl+Shift+S). &lt;tt&gt;veltrin --help&lt;/tt&gt; shows how to make pictures and numbers without opening the window.&lt;/li&gt;&lt;li&gt;The scroll bar under the title slows the run down, so that you can watch each spiral curl.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Was das Bild zeigt&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Der Spiegel.&lt;/b&gt; Links steht ein Parabolspiegel, x = K&amp;middot;y&amp;sup2;, wie eine auf die Seite gelegte Satellitenschüssel. Von rechts kommt Licht als paralleles Bündel: Die zwölf waagerechten Linien sind einige seiner Strahlen, und nach dem Spiegel laufen sie nahe dem Brennpunkt zusammen, 1/(4K) rechts vom Scheitel des Spiegels. Ein größeres K ist eine tiefere Schüssel mit näherem Brennpunkt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Die Wege.&lt;/b&gt; Die Quantenelektrodynamik lässt das Licht nicht einen einzigen Strahl nehmen. Sie fragt: Auf wie vielen Wegen kann das Licht von der Quelle zu einem Detektor auf der Achse gelangen? Jeder Punkt des Spiegels gibt einen Weg: von der Quelle zu diesem Punkt und von dort zum Detektor. Veltrin nimmt 3000 Punkte des Spiegels.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Die Zeiger.&lt;/b&gt; Jeder Weg trägt einen kleinen Zeiger bei, alle gleich lang. Die Richtung eines Zeigers ist wie ein Uhrzeiger, der sich dreht, während das Licht unterwegs ist: Je länger der Weg und je höher die Frequenz, desto weiter hat er sich gedreht.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Die Spiralen.&lt;/b&gt; Unter der Achse werden die Zeiger einer Detektorposition aneinandergehängt, Spitze an Ende. Wo sich benachbarte Wege in der Länge unterscheiden, drehen sich die Zeiger gegeneinander und rollen sich zu einer Cornu-Spirale auf, die nirgendwohin führt. Wo alle Wege fast gleich lang sind, im Brennpunkt, zeigen die Zeiger in dieselbe Richtung, und die Verbindung vom Ende des ersten zur Spitze des letzten, die Resultierende, ist lang.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Die Balken.&lt;/b&gt; Nach Start wandert der Detektor von links nach rechts über die Achse, 142 Positionen. An jeder ist das Quadrat der Länge der Resultierenden die Wahrscheinlichkeit, dass das Licht dort ankommt; sie wird als Balken über der Achse gezeichnet: rot für niedrige, grün für mittlere und blau für hohe Frequenz. Die Balken sind im Brennpunkt am höchsten.&lt;/p&gt;&lt;h2&gt;Zum Ausprobieren&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Wählen Sie eine andere Frequenz und drücken Sie noch einmal Start. Auf die Frage &amp;bdquo;Wahrscheinlichkeiten löschen?&amp;ldquo; antworten Sie &lt;b&gt;Nein&lt;/b&gt;: Die Balken bleiben, und die Durchläufe stehen nebeneinander. Je höher die Frequenz, desto schmaler der Gipfel.&lt;/li&gt;&lt;li&gt;Wählen Sie ein anderes K: Der Gipfel wandert, und die Schüssel sammelt das Licht näher bei sich.&lt;/li&gt;&lt;li&gt;Sehen Sie sich eine Detektorposition genauer an: Klicken Sie nach einem Durchlauf auf ihren Balken, und ein Fenster mit ihren Zeigern, Wegen und Zahlen öffnet sich; mit der Tastatur über den Eintrag &lt;b&gt;Genauer ansehen&amp;hellip;&lt;/b&gt; im Kontextmenü der Zeichnung (Strg+L).&lt;/li&gt;&lt;li&gt;Behalten Sie, was Sie sehen: Mit der rechten Maustaste auf die Zeichnung speichern (Strg+S), kopieren (Strg+C) oder drucken (Strg+P) Sie das Bild oder speichern die Zahlen der Balken für eine Tabellenkalkulation (Strg+Umschalt+S). &lt;tt&gt;veltrin --help&lt;/tt&gt; zeigt, wie Bilder und Zahlen ohne Fenster entstehen.&lt;/li&gt;&lt;li&gt;Der Schieberegler unter dem Titel verlangsamt den Durchlauf, sodass Sie zusehen können, wie sich jede Spirale aufrollt.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keys in the close-up&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Left and Right step to the neighbouring detector position, Home and End go to the ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the position&apos;s figures, Ctrl+Shift+A those of all positions, as a table for a spreadsheet.&lt;/li&gt;&lt;li&gt;Ctrl+S saves the picture of its views, Ctrl+Shift+C copies it and Ctrl+P prints it; its context menu has them too.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the experiment bench.&lt;/li&gt;&lt;li&gt;Escape or Ctrl+W closes it.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Tasten in der Nahansicht&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Links und Rechts gehen zur benachbarten Detektorposition, Pos1 und Ende an die Enden.&lt;/li&gt;&lt;li&gt;Strg+C kopiert die Zahlen der Position, Strg+Umschalt+A die aller Positionen, als Tabelle für eine Tabellenkalkulation.&lt;/li&gt;&lt;li&gt;Strg+S speichert das Bild ihrer Ansichten, Strg+Umschalt+C kopiert es und Strg+P druckt es; ihr Kontextmenü bietet sie auch.&lt;/li&gt;&lt;li&gt;Strg+E öffnet den Experimentiertisch.&lt;/li&gt;&lt;li&gt;Escape oder Strg+W schließt sie.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>veltrin::LensTimePlot</name>
    <message>
        <source>Time of each path to the target</source>
        <translation>Zeit jedes Weges zum Ziel</translation>
    </message>
    <message>
        <source>blue: through the lens; dashed: no glass</source>
        <translation>blau: durch die Linse; gestrichelt: ohne Glas</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonCommand</name>
    <message>
        <source>Open the experiment bench with a lesson beside it, station by station: one of those --list-lessons names, or a lesson file. A lesson file given as the only argument does the same.</source>
        <translation>Den Experimentiertisch mit einer Lektion daneben öffnen, Station für Station: eine der Lektionen, die --list-lessons nennt, oder eine Lektionsdatei. Eine Lektionsdatei als einziges Argument tut dasselbe.</translation>
    </message>
    <message>
        <source>NAME|FILE.veltrin-lesson</source>
        <translation>NAME|DATEI.veltrin-lesson</translation>
    </message>
    <message>
        <source>List the lessons that come with Veltrin: each one&apos;s name, title and minutes, and exit.</source>
        <translation>Die Lektionen auflisten, die Veltrin mitbringt: Name, Titel und Minuten jeder Lektion, und beenden.</translation>
    </message>
    <message>
        <source>Check a lesson file as the window would read it, name each problem with its line, and exit: with status 0 where it is fine, 2 where it is not.</source>
        <translation>Eine Lektionsdatei prüfen, wie das Fenster sie lesen würde, jedes Problem mit seiner Zeile nennen und beenden: mit Status 0, wenn sie in Ordnung ist, sonst 2.</translation>
    </message>
    <message>
        <source>FILE.veltrin-lesson</source>
        <translation>DATEI.veltrin-lesson</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1: a lesson of %2 stations, fine
</source>
        <translation>%1: eine Lektion mit %2 Stationen, in Ordnung
</translation>
    </message>
    <message>
        <source>--lesson is given more than once; it names one lesson</source>
        <translation>--lesson ist mehr als einmal angegeben; es nennt eine Lektion</translation>
    </message>
    <message>
        <source>%1 (and %2 more problems: --check-lesson names them all)</source>
        <translation>%1 (und %2 weitere Probleme: --check-lesson nennt sie alle)</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonFile</name>
    <message>
        <source>a station is not an object {…}</source>
        <translation>eine Station ist kein Objekt {…}</translation>
    </message>
    <message>
        <source>the set-up: %1</source>
        <translation>der Aufbau: %1</translation>
    </message>
    <message>
        <source>&quot;kind&quot; is none of &quot;mark&quot;, &quot;value&quot; and &quot;choice&quot;</source>
        <translation>„kind“ ist keines von „mark“, „value“ und „choice“</translation>
    </message>
    <message>
        <source>the check&apos;s tolerance must be above 0</source>
        <translation>die Toleranz der Prüffrage muss über 0 liegen</translation>
    </message>
    <message>
        <source>an answer is not an object {…}</source>
        <translation>eine Antwort ist kein Objekt {…}</translation>
    </message>
    <message>
        <source>&quot;right&quot; is neither true nor false</source>
        <translation>„right“ ist weder true noch false</translation>
    </message>
    <message>
        <source>no answer is marked right</source>
        <translation>keine Antwort ist als richtig markiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object {…}</source>
        <translation>„%1“ ist kein Objekt {…}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a text nor texts by language code, such as {&quot;en&quot;: &quot;…&quot;, &quot;de&quot;: &quot;…&quot;}</source>
        <translation>„%1“ ist weder ein Text noch Texte nach Sprachcode wie {&quot;en&quot;: &quot;…&quot;, &quot;de&quot;: &quot;…&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>„%1“ ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation>„%1“ ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from %2 to %3</source>
        <translation>„%1“ ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list […] of %2 to %3 items</source>
        <translation>„%1“ ist keine Liste […] mit %2 bis %3 Einträgen</translation>
    </message>
    <message>
        <source>the lesson is larger than %1 bytes</source>
        <translation>die Lektion ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the lesson is not readable JSON: %1</source>
        <translation>die Lektion ist kein lesbares JSON: %1</translation>
    </message>
    <message>
        <source>the lesson nests objects and lists deeper than %1</source>
        <translation>die Lektion verschachtelt Objekte und Listen tiefer als %1</translation>
    </message>
    <message>
        <source>this is not a Veltrin lesson: it names no &quot;format&quot;: &quot;%1&quot;</source>
        <translation>dies ist keine Veltrin-Lektion: sie nennt kein &quot;format&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the lesson names no version of its format</source>
        <translation>die Lektion nennt keine Version ihres Formats</translation>
    </message>
    <message>
        <source>the lesson is of a newer version (%1) than this Veltrin reads (%2)</source>
        <translation>die Lektion hat eine neuere Version (%1), als dieses Veltrin liest (%2)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 is none of the lessons: %2</source>
        <translation>%1 ist keine der Lektionen: %2</translation>
    </message>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1: this is not a file</source>
        <translation>%1: das ist keine Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonReport</name>
    <message>
        <source>(no name given)</source>
        <translation>(kein Name angegeben)</translation>
    </message>
    <message>
        <source>Pupil: %1</source>
        <translation>Schüler/in: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Beobachtung</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>erreicht</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>nicht beantwortet</translation>
    </message>
    <message>
        <source>%1: %2 (tries: %3)</source>
        <translation>%1: %2 (Versuche: %3)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>not right</source>
        <translation>nicht richtig</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time spent</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Station %1: %2</source>
        <translation>Station %1: %2</translation>
    </message>
    <message>
        <source>not committed</source>
        <translation>nicht festgelegt</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1; %2)</translation>
    </message>
    <message>
        <source>marks at %1 twips</source>
        <translation>Markierungen bei %1 Twips</translation>
    </message>
    <message>
        <source>%1, committed %2</source>
        <translation>%1, festgelegt um %2</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonWindow</name>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your &amp;name, for the teacher:</source>
        <translation>Dein &amp;Name, für die Lehrkraft:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Teacher notes</source>
        <translation>&amp;Lehrernotizen</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
    <message>
        <source>Shows the notes for the teacher under each station.</source>
        <translation>Zeigt unter jeder Station die Notizen für die Lehrkraft.</translation>
    </message>
    <message>
        <source>&amp;Save work</source>
        <translation>Arbeit &amp;speichern</translation>
    </message>
    <message>
        <source>Saves what you entered, to hand in (Ctrl+S).</source>
        <translation>Speichert, was du eingegeben hast, zum Abgeben (Ctrl+S).</translation>
    </message>
    <message>
        <source>Pr&amp;int report…</source>
        <translation>Bericht dr&amp;ucken…</translation>
    </message>
    <message>
        <source>Report as P&amp;DF…</source>
        <translation>Bericht als &amp;PDF…</translation>
    </message>
    <message>
        <source>Saves the report for the teacher as a PDF file.</source>
        <translation>Speichert den Bericht für die Lehrkraft als PDF-Datei.</translation>
    </message>
    <message>
        <source>Station %1 of %2</source>
        <translation>Station %1 von %2</translation>
    </message>
    <message>
        <source>Save your work</source>
        <translation>Deine Arbeit speichern</translation>
    </message>
    <message>
        <source>Pupil&apos;s work (*.%1)</source>
        <translation>Schülerarbeit (*.%1)</translation>
    </message>
    <message>
        <source>Your work could not be saved to %1: %2</source>
        <translation>Deine Arbeit konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Your work in this lesson has changed since it was last saved.</source>
        <translation>Deine Arbeit in dieser Lektion hat sich seit dem letzten Speichern geändert.</translation>
    </message>
    <message>
        <source>Do you want to save it before it is lost?</source>
        <translation>Möchtest du sie speichern, bevor sie verloren geht?</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonWork</name>
    <message>
        <source>&quot;%1&quot; does not hold what it should</source>
        <translation>„%1“ enthält nicht, was es enthalten sollte</translation>
    </message>
    <message>
        <source>The file is larger than a pupil&apos;s work can be.</source>
        <translation>Die Datei ist größer, als eine Schülerarbeit sein kann.</translation>
    </message>
    <message>
        <source>The file is not a pupil&apos;s work: %1</source>
        <translation>Die Datei ist keine Schülerarbeit: %1</translation>
    </message>
    <message>
        <source>The file is not a pupil&apos;s work: its format is not &quot;%1&quot;</source>
        <translation>Die Datei ist keine Schülerarbeit: ihr Format ist nicht „%1“</translation>
    </message>
    <message>
        <source>The file has no version this program knows</source>
        <translation>Die Datei hat keine Version, die dieses Programm kennt</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program</source>
        <translation>Die Datei wurde von einer neueren Version des Programms geschrieben</translation>
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
    <name>veltrin::MapCommand</name>
    <message>
        <source>Compute the experiment bench&apos;s probability map with no window, save it as comma-separated values and exit.</source>
        <translation>Die Wahrscheinlichkeitskarte des Experimentiertischs ohne Fenster berechnen, als kommagetrennte Werte speichern und beenden.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>DATEI.csv</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>For the map: the mirror&apos;s shape.</source>
        <translation>Für die Karte: die Form des Spiegels.</translation>
    </message>
    <message>
        <source>For the map: what is kept of the mirror: all of it, a strip around the vertex, the edges, a grating of a period in twips, or the zones for a point.</source>
        <translation>Für die Karte: was vom Spiegel bleibt: alles, ein Streifen um den Scheitel, die Ränder, ein Gitter mit einer Periode in Twips oder die Zonen für einen Punkt.</translation>
    </message>
    <message>
        <source>For the map: its grid&apos;s step, twips (%1 unless given).</source>
        <translation>Für die Karte: die Schrittweite ihres Rasters in Twips (sonst %1).</translation>
    </message>
    <message>
        <source>TWIPS</source>
        <translation>TWIPS</translation>
    </message>
    <message>
        <source>--k %1 is not a number from %2 to %3</source>
        <translation>--k %1 ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>--frequency and --wavenumber both name the light; give one of them</source>
        <translation>--frequency und --wavenumber bestimmen beide das Licht; geben Sie nur eines an</translation>
    </message>
    <message>
        <source>--frequency %1 is none of the frequencies; choose one of %2</source>
        <translation>--frequency %1 ist keine der Frequenzen; wählen Sie eine von %2</translation>
    </message>
    <message>
        <source>--wavenumber %1 is not a number from %2 to %3</source>
        <translation>--wavenumber %1 ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>--shape %1 is none of the shapes; choose parabola or circle</source>
        <translation>--shape %1 ist keine der Formen; wählen Sie parabola oder circle</translation>
    </message>
    <message>
        <source>--source %1 is none of the sources; choose beam or point:X,Y with X from 0 to %2 and Y from %3 to %4</source>
        <translation>--source %1 ist keine der Quellen; wählen Sie beam oder point:X,Y mit X von 0 bis %2 und Y von %3 bis %4</translation>
    </message>
    <message>
        <source>--mirror %1 is none of the mirrors; choose whole, vertex, edges, grating:PERIOD with a period of %2 to %3 twips, or zones:X,Y with X from 0 to %4 and Y from %5 to %6</source>
        <translation>--mirror %1 ist keiner der Spiegel; wählen Sie whole, vertex, edges, grating:PERIODE mit einer Periode von %2 bis %3 Twips oder zones:X,Y mit X von 0 bis %4 und Y von %5 bis %6</translation>
    </message>
    <message>
        <source>--map-step %1 is not a whole number from %2 to %3</source>
        <translation>--map-step %1 ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>For the map and the scan: the light&apos;s wavenumber, from %1 to %2 radians per twip, instead of --frequency.</source>
        <translation>Für die Karte und den Verlauf: die Wellenzahl des Lichts, von %1 bis %2 Radiant pro Twip, statt --frequency.</translation>
    </message>
    <message>
        <source>For the map: a parallel beam (the boundary&apos;s at ANGLE degrees from the normal), or a point source at X twips from the vertex line and Y above the axis (before the slits&apos; screen, X is negative).</source>
        <translation>Für die Karte: ein paralleles Bündel (an der Grenzfläche ANGLE Grad gegen das Lot), oder eine Punktquelle X Twips von der Scheiteltangente und Y über der Achse (vor dem Schirm mit den Spalten ist X negativ).</translation>
    </message>
</context>
<context>
    <name>veltrin::MapView</name>
    <message>
        <source>Computing the map…</source>
        <translation>Die Karte wird berechnet…</translation>
    </message>
    <message>
        <source>twips</source>
        <translation>Twips</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Whole map</source>
        <translation>&amp;Ganze Karte</translation>
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
    <name>veltrin::MirrorStrip</name>
    <message>
        <source>Mirror strips</source>
        <translation>Streifen des Spiegels</translation>
    </message>
    <message>
        <source>Drag to cut strips of the mirror away or put them back. Keyboard: Up and Down move the cursor, Space cuts or restores, Shift+Space a wider strip.</source>
        <translation>Ziehen schneidet Streifen des Spiegels weg oder setzt sie wieder ein. Tastatur: Auf und Ab bewegen den Cursor, Leertaste schneidet oder setzt zurück, Umschalt+Leertaste einen breiteren Streifen.</translation>
    </message>
    <message>
        <source>Restore strips</source>
        <translation>Streifen zurücksetzen</translation>
    </message>
    <message>
        <source>Cut strips</source>
        <translation>Streifen wegschneiden</translation>
    </message>
</context>
<context>
    <name>veltrin::OpticsCommand</name>
    <message>
        <source>For the glass layer, the boundary and the lens: the glass&apos;s refractive index, from %1 to %2 (%3 unless given).</source>
        <translation>Für die Glasschicht, die Grenzfläche und die Linse: die Brechzahl des Glases, von %1 bis %2 (%3, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>For the boundary: where the light enters it, from FROM to TO twips from the map&apos;s left edge (%1:%2 unless given).</source>
        <translation>Für die Grenzfläche: wo das Licht eintritt, von FROM bis TO Twips vom linken Rand der Karte (%1:%2, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>FROM:TO</source>
        <translation>VON:BIS</translation>
    </message>
    <message>
        <source>For the lens: where it gathers the light, X twips from the map&apos;s left edge and Y above the axis, beyond the lens at X = %1.</source>
        <translation>Für die Linse: wo sie das Licht sammelt, X Twips vom linken Rand der Karte und Y über der Achse, hinter der Linse bei X = %1.</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>--index %1 is not a number from %2 to %3</source>
        <translation>--index %1 ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>--source %1 is none of the boundary&apos;s sources; choose beam:ANGLE with ANGLE from 0 to %2 degrees, or point:X,Y with X from 0 to %3 and Y above the boundary, up to %4</source>
        <translation>--source %1 ist keine der Quellen der Grenzfläche; wählen Sie beam:ANGLE mit ANGLE von 0 bis %2 Grad oder point:X,Y mit X von 0 bis %3 und Y über der Grenzfläche, bis %4</translation>
    </message>
    <message>
        <source>--window %1 is not FROM:TO with 0 ≤ FROM &lt; TO ≤ %2</source>
        <translation>--window %1 ist nicht FROM:TO mit 0 ≤ FROM &lt; TO ≤ %2</translation>
    </message>
    <message>
        <source>--source %1 is none of the lens&apos;s sources; choose point:X,Y with X from 0 to less than %2, before the lens, and Y from %3 to %4</source>
        <translation>--source %1 ist keine der Quellen der Linse; wählen Sie point:X,Y mit X von 0 bis unter %2, vor der Linse, und Y von %3 bis %4</translation>
    </message>
    <message>
        <source>--target %1 is not X,Y beyond the lens, with X above %2 up to %3 and Y from %4 to %5</source>
        <translation>--target %1 ist nicht X,Y hinter der Linse, mit X über %2 bis %3 und Y von %4 bis %5</translation>
    </message>
    <message>
        <source>The bench&apos;s experiment: the mirror&apos;s map (the default), the glass layer&apos;s reflection against its thickness, light crossing the boundary of glass, a lens&apos;s map, or the map behind a screen with slits.</source>
        <translation>Das Experiment des Tischs: die Karte des Spiegels (Vorgabe), die Reflexion der Glasschicht über ihrer Dicke, Licht, das die Grenzfläche zum Glas durchquert, die Karte einer Linse, oder die Karte hinter einem Schirm mit Spalten.</translation>
    </message>
</context>
<context>
    <name>veltrin::OptionTable</name>
    <message>
        <source>the window</source>
        <translation>das Fenster</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together: one is the window&apos;s run, the other the experiment bench&apos;s; make them in two calls</source>
        <translation>%1 und %2 gehen nicht zusammen: das eine gehört zum Durchlauf des Fensters, das andere zum Experimentiertisch; erstellen Sie sie mit zwei Aufrufen</translation>
    </message>
    <message>
        <source>%1 is not used by %2; it is for %3</source>
        <translation>%1 hat für %2 keine Bedeutung, nur für %3</translation>
    </message>
    <message>
        <source>--experiment %1 is none of the experiments; choose one of %2</source>
        <translation>--experiment %1 ist keines der Experimente; wählen Sie eines von %2</translation>
    </message>
    <message>
        <source>the %1 experiment makes no %2, which is for --experiment %3; it makes %4</source>
        <translation>das Experiment %1 erzeugt kein %2, das gehört zu --experiment %3; es erzeugt %4</translation>
    </message>
    <message>
        <source>%1 is not used by the %2 experiment; it is for --experiment %3</source>
        <translation>%1 wird vom Experiment %2 nicht verwendet; es gehört zu --experiment %3</translation>
    </message>
    <message>
        <source>%1 cannot go with --setup, which holds the experiment whole</source>
        <translation>%1 passt nicht zu --setup, das den ganzen Versuch enthält</translation>
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
<context>
    <name>veltrin::PhotonControls</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Hear it</source>
        <translation>&amp;Hören</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Photons a second</source>
        <translation>Photonen pro Sekunde</translation>
    </message>
    <message>
        <source>as fast as it draws</source>
        <translation>so schnell, wie gezeichnet wird</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 pro Sekunde</translation>
    </message>
    <message>
        <source>A click for each photon, and a tone whose pitch follows the probability</source>
        <translation>Ein Klicken für jedes Photon und ein Ton, dessen Höhe der Wahrscheinlichkeit folgt</translation>
    </message>
    <message>
        <source>&amp;Hear it (no sound)</source>
        <translation>&amp;Hören (kein Ton)</translation>
    </message>
    <message>
        <source>Photons: %1</source>
        <translation>Photonen: %1</translation>
    </message>
    <message>
        <source>Se&amp;nd photons</source>
        <translation>Photonen se&amp;nden</translation>
    </message>
    <message>
        <source>Sends photons one at a time at the chosen rate, each landing where the probability sends it; press again to pause.</source>
        <translation>Sendet Photonen einzeln in der gewählten Rate, jedes landet, wohin die Wahrscheinlichkeit es schickt; erneut drücken hält an.</translation>
    </message>
    <message>
        <source>How many photons are sent each second.</source>
        <translation>Wie viele Photonen pro Sekunde gesendet werden.</translation>
    </message>
    <message>
        <source>Removes the photons that have landed.</source>
        <translation>Entfernt die gelandeten Photonen.</translation>
    </message>
</context>
<context>
    <name>veltrin::PhotonOverlay</name>
    <message>
        <source>%1: %2 of the photons, %3 of the brightest</source>
        <translation>%1: %2 der Photonen, %3 des hellsten Punkts</translation>
    </message>
</context>
<context>
    <name>veltrin::PhotonPanel</name>
    <message>
        <source>P&amp;redict first</source>
        <translation>Erst &amp;raten</translation>
    </message>
    <message>
        <source>Re&amp;veal</source>
        <translation>&amp;Aufdecken</translation>
    </message>
    <message>
        <source>Hide the map and mark where you expect the light: click, or move the detector with the arrow keys and press Enter</source>
        <translation>Blendet die Karte aus; markieren Sie, wo Sie das Licht erwarten: per Klick, oder bewegen Sie den Detektor mit den Pfeiltasten und drücken Sie Enter</translation>
    </message>
    <message>
        <source>Mark where you expect the light: click, or move the detector with the arrow keys and press Enter. Marks so far: %1. Then send photons, or Reveal.</source>
        <translation>Markieren Sie, wo Sie das Licht erwarten: per Klick, oder bewegen Sie den Detektor mit den Pfeiltasten und drücken Sie Enter. Bisherige Marken: %1. Dann senden Sie Photonen oder decken auf.</translation>
    </message>
    <message>
        <source>No photons have landed yet.</source>
        <translation>Noch ist kein Photon angekommen.</translation>
    </message>
    <message>
        <source>No photons: the map of this experiment is not in yet.</source>
        <translation>Keine Photonen: die Karte dieses Versuchs ist noch nicht berechnet.</translation>
    </message>
    <message>
        <source>above</source>
        <translation>über</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unter</translation>
    </message>
    <message>
        <source>Marks not yet revealed: %1.</source>
        <translation>Noch nicht aufgedeckte Marken: %1.</translation>
    </message>
    <message>
        <source>Show m&amp;ap</source>
        <translation>K&amp;arte zeigen</translation>
    </message>
    <message>
        <source>Shows or hides the probability map beneath the photons.</source>
        <translation>Zeigt oder verbirgt die Wahrscheinlichkeitskarte unter den Photonen.</translation>
    </message>
    <message>
        <source>Shows the map after a prediction, to compare it with your marks.</source>
        <translation>Zeigt nach einer Vorhersage die Karte, um sie mit Ihren Markierungen zu vergleichen.</translation>
    </message>
    <message>
        <source>Mark %1: x %2, y %3 twips; %4 of the photons within %5 twips; probability %6 of the brightest point.</source>
        <translation>Marke %1: x %2, y %3 Twips; %4 der Photonen im Umkreis von %5 Twips; Wahrscheinlichkeit %6 des hellsten Punkts.</translation>
    </message>
    <message>
        <source>%1 photons have landed; they lie densest near %2 twips from the vertex line, %3 twips %4 the axis.</source>
        <translation>%1 Photonen sind angekommen; am dichtesten liegen sie bei %2 Twips von der Scheiteltangente, %3 Twips %4 der Achse.</translation>
    </message>
    <message>
        <source>Marks: %1; the latest:</source>
        <translation>Marken: %1; die letzten:</translation>
    </message>
    <message>
        <source>%1 photons have landed; they lie densest near %2 twips behind the screen, %3 twips %4 the axis.</source>
        <translation>%1 Photonen sind angekommen; am dichtesten liegen sie bei %2 Twips hinter dem Schirm, %3 Twips %4 der Achse.</translation>
    </message>
</context>
<context>
    <name>veltrin::PhotonsCommand</name>
    <message>
        <source>Send photons into the experiment the bench&apos;s options describe, with no window; save where they land as comma-separated values and exit.</source>
        <translation>Sendet Photonen in den Versuch, den die Optionen der Versuchsbank beschreiben, ohne Fenster; speichert, wo sie ankommen, als kommagetrennte Werte und beendet sich.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>DATEI.csv</translation>
    </message>
    <message>
        <source>With --save-hits: how many photons, from 1 to %1 (%2 unless given).</source>
        <translation>Mit --save-hits: wie viele Photonen, von 1 bis %1 (%2, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --save-hits: where the random numbers start, a whole number from 0 to %1 (%2 unless given); the same seed gives the same photons.</source>
        <translation>Mit --save-hits: wo die Zufallszahlen beginnen, eine ganze Zahl von 0 bis %1 (%2, wenn nicht angegeben); derselbe Startwert ergibt dieselben Photonen.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>--photons %1 is not a whole number from 1 to %2</source>
        <translation>--photons %1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>--seed %1 is not a whole number from 0 to %2</source>
        <translation>--seed %1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
</context>
<context>
    <name>veltrin::PicturePrinter</name>
    <message>
        <source>Veltrin, before any run</source>
        <translation>Veltrin, vor dem ersten Durchlauf</translation>
    </message>
    <message>
        <source>Run %1: K %2, %3</source>
        <translation>Durchlauf %1: K %2, %3</translation>
    </message>
    <message>
        <source>Veltrin: %1</source>
        <translation>Veltrin: %1</translation>
    </message>
</context>
<context>
    <name>veltrin::ProbabilitySound</name>
    <message>
        <source>No sound device: the sound stays off.</source>
        <translation>Kein Audiogerät: der Ton bleibt aus.</translation>
    </message>
    <message>
        <source>The sound device cannot play the program&apos;s sound: the sound stays off.</source>
        <translation>Das Audiogerät kann den Ton des Programms nicht abspielen: der Ton bleibt aus.</translation>
    </message>
    <message>
        <source>The sound device failed: the sound stays off.</source>
        <translation>Das Audiogerät ist ausgefallen: der Ton bleibt aus.</translation>
    </message>
</context>
<context>
    <name>veltrin::ProjectorView</name>
    <message>
        <source>Projector view</source>
        <translation>Ansicht für Projektor</translation>
    </message>
</context>
<context>
    <name>veltrin::ScaleChoice</name>
    <message>
        <source>Each map&apos;s brightest point</source>
        <translation>Hellster Punkt jeder Karte</translation>
    </message>
    <message>
        <source>The whole parabola&apos;s focus</source>
        <translation>Brennpunkt der ganzen Parabel</translation>
    </message>
    <message>
        <source>A number</source>
        <translation>Eine Zahl</translation>
    </message>
    <message>
        <source>What the brightest colour stands for: each map&apos;s own brightest point; the focus of the whole parabola of this K in this light, so that maps of a cut mirror or of the circle show how much less light they gather; or a number you type.</source>
        <translation>Wofür die hellste Farbe steht: für den hellsten Punkt jeder Karte selbst; für den Brennpunkt der ganzen Parabel mit diesem K in diesem Licht, sodass Karten eines beschnittenen Spiegels oder des Kreises zeigen, wie viel weniger Licht sie sammeln; oder für eine Zahl, die Sie eingeben.</translation>
    </message>
    <message>
        <source>Top of the colour scale</source>
        <translation>Obergrenze der Farbskala</translation>
    </message>
    <message>
        <source>The probability the brightest colour stands for, in twips of bar; brighter points take the brightest colour too.</source>
        <translation>Die Wahrscheinlichkeit in Twips Balken, für die die hellste Farbe steht; hellere Punkte erhalten ebenfalls die hellste Farbe.</translation>
    </message>
    <message>
        <source> twips</source>
        <translation> Twips</translation>
    </message>
    <message>
        <source>own peak</source>
        <translation>eigenes Maximum</translation>
    </message>
    <message>
        <source>parabola&apos;s focus</source>
        <translation>Brennpunkt der Parabel</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>eingegeben</translation>
    </message>
    <message>
        <source>The colours go up to the map&apos;s own brightest point, %1 twips of bar.</source>
        <translation>Die Farben reichen bis zum hellsten Punkt der Karte selbst, %1 Twips Balken.</translation>
    </message>
    <message>
        <source>The colours go up to the focus of the whole parabola of this K in this light, %1 twips of bar.</source>
        <translation>Die Farben reichen bis zum Brennpunkt der ganzen Parabel mit diesem K in diesem Licht, %1 Twips Balken.</translation>
    </message>
    <message>
        <source>The colours go up to %1 twips of bar, as typed.</source>
        <translation>Die Farben reichen bis zu eingegebenen %1 Twips Balken.</translation>
    </message>
</context>
<context>
    <name>veltrin::ScanCommand</name>
    <message>
        <source>For the glass layer: compute its reflection and transmission against its thickness with no window, save them as comma-separated values and exit.</source>
        <translation>Für die Glasschicht: ohne Fenster ihre Reflexion und Transmission über der Dicke berechnen, als kommagetrennte Werte speichern und beenden.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>DATEI.csv</translation>
    </message>
    <message>
        <source>For the glass layer: add every echo inside the layer to the two surfaces&apos; arrows.</source>
        <translation>Für die Glasschicht: jedes Echo in der Schicht zu den Zeigern der beiden Oberflächen hinzufügen.</translation>
    </message>
    <message>
        <source>For the glass layer: the thicknesses, twips, from FROM to TO in steps of STEP (thickness:%1:%2:%3 unless given).</source>
        <translation>Für die Glasschicht: die Dicken in Twips, von FROM bis TO in Schritten von STEP (thickness:%1:%2:%3, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>--white and --frequency or --wavenumber all name the light; give one of them</source>
        <translation>--white und --frequency oder --wavenumber bestimmen alle das Licht; geben Sie nur eines an</translation>
    </message>
    <message>
        <source>--scan %1 is not thickness:FROM:TO:STEP with 0 ≤ FROM ≤ TO ≤ %2 twips and a STEP above 0 that makes at most %3 rows</source>
        <translation>--scan %1 ist nicht thickness:FROM:TO:STEP mit 0 ≤ FROM ≤ TO ≤ %2 Twips und einem STEP über 0, der höchstens %3 Zeilen ergibt</translation>
    </message>
    <message>
        <source>For the glass layer and the slits: white light, the bench&apos;s seven wavenumbers, instead of --frequency or --wavenumber.</source>
        <translation>Für die Glasschicht und die Spalte: weißes Licht, die sieben Wellenzahlen des Tischs, statt --frequency oder --wavenumber.</translation>
    </message>
</context>
<context>
    <name>veltrin::SettingsStore</name>
    <message>
        <source>veltrin: settings not kept, the defaults apply: %1: %2</source>
        <translation>veltrin: Einstellungen werden nicht gespeichert, es gelten die Vorgaben: %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 bytes</source>
        <translation>die Datei würde größer als %1 Byte werden</translation>
    </message>
</context>
<context>
    <name>veltrin::SetupActions</name>
    <message>
        <source>Veltrin setups (*.veltrin)</source>
        <translation>Veltrin-Aufbauten (*.veltrin)</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>Auf&amp;bau</translation>
    </message>
    <message>
        <source>&amp;Open setup…</source>
        <translation>Aufbau ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save setup…</source>
        <translation>Aufbau &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Copy share code</source>
        <translation>Freigabecode &amp;kopieren</translation>
    </message>
    <message>
        <source>Open share co&amp;de…</source>
        <translation>Freigabecode öff&amp;nen…</translation>
    </message>
    <message>
        <source>The setup %1 could not be opened: %2.</source>
        <translation>Der Aufbau %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>The share code could not be opened: %1.</source>
        <translation>Der Freigabecode konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Open setup</source>
        <translation>Aufbau öffnen</translation>
    </message>
    <message>
        <source>Save setup</source>
        <translation>Aufbau speichern</translation>
    </message>
    <message>
        <source>The setup could not be saved in %1: %2.</source>
        <translation>Der Aufbau konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Open share code</source>
        <translation>Freigabecode öffnen</translation>
    </message>
    <message>
        <source>Paste the share code:</source>
        <translation>Freigabecode einfügen:</translation>
    </message>
    <message>
        <source>No setups yet</source>
        <translation>Noch keine Aufbauten</translation>
    </message>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lektion</translation>
    </message>
    <message>
        <source>Open &amp;lesson…</source>
        <translation>&amp;Lektion aus Datei öffnen…</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Veltrin lessons (*.%1)</source>
        <translation>Veltrin-Lektionen (*.%1)</translation>
    </message>
    <message>
        <source>The lesson %1 could not be opened:
%2</source>
        <translation>Die Lektion %1 konnte nicht geöffnet werden:
%2</translation>
    </message>
</context>
<context>
    <name>veltrin::SetupCommand</name>
    <message>
        <source>Take the experiment, its photons and its detector from a setup file in place of their options: for the bench&apos;s files, or for the window, where the experiment bench opens with it. A setup file given as the only argument does the same.</source>
        <translation>Den Versuch, seine Photonen und seinen Detektor aus einer Aufbau-Datei statt aus ihren Optionen nehmen: für die Dateien des Experimentiertischs oder für das Fenster, in dem sich der Experimentiertisch damit öffnet. Eine Aufbau-Datei als einziges Argument tut dasselbe.</translation>
    </message>
    <message>
        <source>FILE.veltrin</source>
        <translation>DATEI.veltrin</translation>
    </message>
    <message>
        <source>Save the setup the other options describe, with no window, and exit; with --save-map or --save-hits, together with them.</source>
        <translation>Den Aufbau, den die übrigen Optionen beschreiben, ohne Fenster speichern und beenden; mit --save-map oder --save-hits zusammen mit ihnen.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>veltrin::SetupFile</name>
    <message>
        <source>&quot;%1&quot; is not a number from %2 to %3</source>
        <translation>„%1“ ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither true nor false</source>
        <translation>„%1“ ist weder true noch false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a point [x, y]</source>
        <translation>„%1“ ist kein Punkt [x, y]</translation>
    </message>
    <message>
        <source>&quot;cut&quot; is not a list of kept strips [from, to]</source>
        <translation>„cut“ ist keine Liste erhaltener Streifen [von, bis]</translation>
    </message>
    <message>
        <source>&quot;cut&quot; %1 is none of the mirror&apos;s presets</source>
        <translation>„cut“ %1 ist keine der Vorgaben des Spiegels</translation>
    </message>
    <message>
        <source>&quot;source&quot; is neither &quot;beam&quot; nor a point [x, y]</source>
        <translation>„source“ ist weder „beam“ noch ein Punkt [x, y]</translation>
    </message>
    <message>
        <source>&quot;experiment&quot; %1 is none of the experiments</source>
        <translation>„experiment“ %1 ist keiner der Versuche</translation>
    </message>
    <message>
        <source>&quot;shape&quot; is neither &quot;parabola&quot; nor &quot;circle&quot;</source>
        <translation>„shape“ ist weder „parabola“ noch „circle“</translation>
    </message>
    <message>
        <source>&quot;window&quot; is not a stretch [from, to] of the boundary</source>
        <translation>„window“ ist kein Abschnitt [von, bis] der Grenzfläche</translation>
    </message>
    <message>
        <source>the lens needs a point source</source>
        <translation>die Linse braucht eine punktförmige Quelle</translation>
    </message>
    <message>
        <source>this is not a Veltrin setup</source>
        <translation>dies ist kein Veltrin-Aufbau</translation>
    </message>
    <message>
        <source>the setup names no version of its format</source>
        <translation>der Aufbau nennt keine Version seines Formats</translation>
    </message>
    <message>
        <source>the setup is of a newer version (%1) than this Veltrin reads (%2)</source>
        <translation>der Aufbau hat eine neuere Version (%1), als dieses Veltrin liest (%2)</translation>
    </message>
    <message>
        <source>more than %1 predictions</source>
        <translation>mehr als %1 Vorhersagen</translation>
    </message>
    <message>
        <source>the setup is larger than %1 bytes</source>
        <translation>der Aufbau ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the setup is not readable JSON: %1 at byte %2</source>
        <translation>der Aufbau ist kein lesbares JSON: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>the share code is not whole: copy it again</source>
        <translation>der Freigabecode ist nicht vollständig: bitte erneut kopieren</translation>
    </message>
    <message>
        <source>&quot;slits&quot; is not a whole number</source>
        <translation>„slits“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the slits overlap or do not fit on the screen</source>
        <translation>die Spalte überlappen sich oder passen nicht auf den Schirm</translation>
    </message>
</context>
<context>
    <name>veltrin::ShareActions</name>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save p&amp;robabilities…</source>
        <translation>&amp;Wahrscheinlichkeiten speichern…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Veltrin</source>
        <translation>&amp;Über Veltrin</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Das Bild ließ sich nicht als %1 speichern:
%2</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Bild drucken</translation>
    </message>
    <message>
        <source>The picture could not be printed on %1.</source>
        <translation>Das Bild ließ sich nicht auf %1 drucken.</translation>
    </message>
    <message>
        <source>Save probabilities</source>
        <translation>Wahrscheinlichkeiten speichern</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>The probabilities could not be saved as %1:
%2</source>
        <translation>Die Wahrscheinlichkeiten ließen sich nicht als %1 speichern:
%2</translation>
    </message>
    <message>
        <source>About Veltrin</source>
        <translation>Über Veltrin</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Veltrin %1&lt;/h3&gt;&lt;p&gt;How a parabolic mirror gathers light, told with the arrows of quantum electrodynamics.&lt;/p&gt;&lt;p&gt;Veltrin is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Made with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Veltrin %1&lt;/h3&gt;&lt;p&gt;Wie ein Parabolspiegel das Licht sammelt, erzählt mit den Zeigern der Quantenelektrodynamik.&lt;/p&gt;&lt;p&gt;Veltrin ist freie Software: Sie dürfen sie unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern. Sie wird ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, läuft mit Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Experiment bench…</source>
        <translation>&amp;Experimentiertisch…</translation>
    </message>
    <message>
        <source>PNG figure (*.png)</source>
        <translation>PNG-Abbildung (*.png)</translation>
    </message>
    <message>
        <source>SVG figure (*.svg)</source>
        <translation>SVG-Abbildung (*.svg)</translation>
    </message>
    <message>
        <source>Window picture, PNG (*.png)</source>
        <translation>Fensterbild, PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>veltrin::SlitHistogram</name>
    <message>
        <source>Photons along the detector&apos;s line</source>
        <translation>Photonen entlang der Linie des Detektors</translation>
    </message>
    <message>
        <source>Photons near x %1 twips</source>
        <translation>Photonen bei x %1 Twips</translation>
    </message>
    <message>
        <source>No map yet: no photons counted along the detector&apos;s line.</source>
        <translation>Noch keine Karte: Entlang der Linie des Detektors werden keine Photonen gezählt.</translation>
    </message>
    <message>
        <source>Photons landing between x %1 and %2 twips, counted every %3 twips along y, with the map&apos;s probability along the line drawn over them.</source>
        <translation>Photonen, die zwischen x %1 und %2 Twips landen, alle %3 Twips entlang y gezählt, darüber die Wahrscheinlichkeit der Karte entlang der Linie.</translation>
    </message>
    <message>
        <source>No photon has landed there yet.</source>
        <translation>Dort ist noch kein Photon gelandet.</translation>
    </message>
    <message>
        <source>Photons there: %1, the most at y %2 twips.</source>
        <translation>Photonen dort: %1, die meisten bei y %2 Twips.</translation>
    </message>
</context>
<context>
    <name>veltrin::SlitSpotPlot</name>
    <message>
        <source>One slit&apos;s spot against its width</source>
        <translation>Fleck eines Spalts gegen seine Breite</translation>
    </message>
    <message>
        <source>slit width, twips; dashed: the map&apos;s height</source>
        <translation>Spaltbreite, Twips; gestrichelt: Höhe der Karte</translation>
    </message>
</context>
<context>
    <name>veltrin::SlitsCommand</name>
    <message>
        <source>For the slits: how many, from 1 to %1, in a screen along the map&apos;s left edge, centred on the axis.</source>
        <translation>Für die Spalte: wie viele, von 1 bis %1, in einem Schirm am linken Rand der Karte, um die Achse zentriert.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>For the slits: each slit&apos;s width, from %1 to %2 twips.</source>
        <translation>Für die Spalte: die Breite jedes Spalts, von %1 bis %2 Twips.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>For two slits or more: from one slit&apos;s middle to the next one&apos;s, twips, more than the width; all of them within the screen&apos;s %1 twips.</source>
        <translation>Für zwei Spalte oder mehr: von der Mitte eines Spalts zur Mitte des nächsten, in Twips, mehr als die Breite; alle innerhalb der %1 Twips des Schirms.</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>For the slits: mark which slit the light passes, so that the arrows of different slits no longer add.</source>
        <translation>Für die Spalte: markieren, durch welchen Spalt das Licht geht, sodass sich die Pfeile verschiedener Spalte nicht mehr addieren.</translation>
    </message>
    <message>
        <source>For the slits with --which-path: erase the marks before the light is detected.</source>
        <translation>Für die Spalte mit --which-path: die Markierungen löschen, bevor das Licht nachgewiesen wird.</translation>
    </message>
    <message>
        <source>--eraser erases the marks that --which-path puts on the light; give both</source>
        <translation>--eraser löscht die Markierungen, die --which-path dem Licht gibt; geben Sie beide an</translation>
    </message>
    <message>
        <source>the slits experiment needs --slits N and --width W</source>
        <translation>das Experiment mit Spalten braucht --slits N und --width W</translation>
    </message>
    <message>
        <source>--slits %1 is not a whole number from 1 to %2</source>
        <translation>--slits %1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>--width %1 is not a number from %2 to %3 twips</source>
        <translation>--width %1 ist keine Zahl von %2 bis %3 Twips</translation>
    </message>
    <message>
        <source>--separation %1 is not a number of twips</source>
        <translation>--separation %1 ist keine Zahl von Twips</translation>
    </message>
    <message>
        <source>--separation is for two slits or more; one slit has none</source>
        <translation>--separation gilt für zwei Spalte oder mehr; ein einzelner Spalt hat keinen</translation>
    </message>
    <message>
        <source>--slits %1 needs --separation D, from one slit&apos;s middle to the next one&apos;s</source>
        <translation>--slits %1 braucht --separation D, von der Mitte eines Spalts zur Mitte des nächsten</translation>
    </message>
    <message>
        <source>--separation %1 is not more than --width %2: the slits would overlap</source>
        <translation>--separation %1 ist nicht größer als --width %2: die Spalte würden sich überlappen</translation>
    </message>
    <message>
        <source>%1 slits %2 twips apart span %3 twips; the screen is %4 high</source>
        <translation>%1 Spalte im Abstand von %2 Twips reichen über %3 Twips; der Schirm ist %4 hoch</translation>
    </message>
    <message>
        <source>--source %1 is none of the slits&apos; sources; choose beam or point:X,Y with X from %2 to less than 0, before the screen, and Y from %3 to %4</source>
        <translation>--source %1 ist keine der Quellen der Spalte; wählen Sie beam oder point:X,Y mit X von %2 bis unter 0, vor dem Schirm, und Y von %3 bis %4</translation>
    </message>
    <message>
        <source>--white and --frequency or --wavenumber all name the light; give one of them</source>
        <translation>--white und --frequency oder --wavenumber bestimmen alle das Licht; geben Sie nur eines an</translation>
    </message>
</context>
<context>
    <name>veltrin::StationPage</name>
    <message>
        <source>For the teacher</source>
        <translation>Für die Lehrkraft</translation>
    </message>
    <message>
        <source>This station has no notes for the teacher.</source>
        <translation>Diese Station hat keine Notizen für die Lehrkraft.</translation>
    </message>
    <message>
        <source>Your prediction</source>
        <translation>Deine Vorhersage</translation>
    </message>
    <message>
        <source>Your &amp;value:</source>
        <translation>Dein Wer&amp;t:</translation>
    </message>
    <message>
        <source>Your predicted value</source>
        <translation>Dein vorhergesagter Wert</translation>
    </message>
    <message>
        <source>&amp;Commit</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>Keeps your prediction for good; then the bench shows the answer.</source>
        <translation>Legt deine Vorhersage endgültig fest; dann zeigt der Experimentiertisch die Antwort.</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>Commit your prediction first.</source>
        <translation>Lege zuerst deine Vorhersage fest.</translation>
    </message>
    <message>
        <source>&amp;Reveal on the bench</source>
        <translation>Auf dem Tisch auf&amp;decken</translation>
    </message>
    <message>
        <source>Shows the bench&apos;s map, to compare it with your prediction.</source>
        <translation>Zeigt die Karte des Experimentiertischs, um sie mit deiner Vorhersage zu vergleichen.</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklären</translation>
    </message>
    <message>
        <source>&amp;Your explanation:</source>
        <translation>Deine &amp;Erklärung:</translation>
    </message>
    <message>
        <source>Your explanation</source>
        <translation>Deine Erklärung</translation>
    </message>
    <message>
        <source>Find out on the bench</source>
        <translation>Am Tisch herausfinden</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Antwort:</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>P&amp;rüfen</translation>
    </message>
    <message>
        <source>Think again</source>
        <translation>Denk noch einmal nach</translation>
    </message>
    <message>
        <source>Your ch&amp;oice:</source>
        <translation>Deine Wa&amp;hl:</translation>
    </message>
    <message>
        <source>Mark on the bench&apos;s map where you expect the light: click, or move the detector with the arrow keys and press Enter.</source>
        <translation>Markiere auf der Karte des Experimentiertischs, wo du das Licht erwartest: klicke, oder bewege den Detektor mit den Pfeiltasten und drücke die Eingabetaste.</translation>
    </message>
    <message>
        <source>Marks on the map: %1.</source>
        <translation>Markierungen auf der Karte: %1.</translation>
    </message>
    <message>
        <source>Type a number, such as %1.</source>
        <translation>Gib eine Zahl ein, etwa %1.</translation>
    </message>
    <message>
        <source>Committed: %1</source>
        <translation>Festgelegt: %1</translation>
    </message>
    <message>
        <source>Right: within %1 of the answer.</source>
        <translation>Richtig: höchstens %1 von der Antwort entfernt.</translation>
    </message>
    <message>
        <source>Not right yet: more than %1 from the answer. Look again on the bench.</source>
        <translation>Noch nicht richtig: mehr als %1 von der Antwort entfernt. Sieh am Tisch noch einmal nach.</translation>
    </message>
    <message>
        <source>Tries: %1.</source>
        <translation>Versuche: %1.</translation>
    </message>
</context>
<context>
    <name>veltrin::StripLegend</name>
    <message>
        <source>Mirror strip:</source>
        <translation>Streifen des Spiegels:</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>erhalten</translation>
    </message>
    <message>
        <source>cut away</source>
        <translation>weggeschnitten</translation>
    </message>
    <message>
        <source>Key to the mirror strip</source>
        <translation>Legende zum Streifen des Spiegels</translation>
    </message>
    <message>
        <source>On the strip beside the map, the bright strips of the mirror are kept and the dark ones cut away.</source>
        <translation>Auf dem Streifen neben der Karte sind die hellen Streifen des Spiegels erhalten und die dunklen weggeschnitten.</translation>
    </message>
</context>
<context>
    <name>veltrin::WholeFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>kein Programm liest daraus</translation>
    </message>
    <message>
        <source>the program reading it has stopped taking the data</source>
        <translation>das Programm, das daraus liest, nimmt keine Daten mehr an</translation>
    </message>
    <message>
        <source>the standard output is closed</source>
        <translation>die Standardausgabe ist geschlossen</translation>
    </message>
    <message>
        <source>the save was abandoned as its window closed</source>
        <translation>das Speichern wurde abgebrochen, als sein Fenster geschlossen wurde</translation>
    </message>
</context>
</TS>
