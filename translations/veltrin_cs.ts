<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Drawing of the mirror and the probability</source>
        <translation>Kresba zrcadla a pravděpodobnosti</translation>
    </message>
    <message>
        <source>The parabolic mirror x = K times y squared with the incoming rays and their reflections; the Cornu spiral of arrows added head to tail for the detector&apos;s current position on the axis; and, above the axis, the probability that the light arrives at each position, drawn as bars: red for Low, green for Middle and blue for High frequency. Before the first run it asks you to press Start.</source>
        <translation>Parabolické zrcadlo x = K krát y na druhou s dopadajícími paprsky a jejich odrazy; Cornuova spirála ze šipek složených za sebou pro aktuální polohu detektoru na ose; a nad osou pravděpodobnost, že světlo dorazí do jednotlivých poloh, kreslená jako sloupce: červeně pro nízkou, zeleně pro střední a modře pro vysokou frekvenci. Před prvním výpočtem vyzývá ke stisknutí tlačítka Start.</translation>
    </message>
    <message>
        <source>Animation delay</source>
        <translation>Zpomalení animace</translation>
    </message>
    <message>
        <source>Further to the right, the run waits longer at each detector position.</source>
        <translation>Čím víc vpravo, tím déle výpočet čeká v každé poloze detektoru.</translation>
    </message>
    <message>
        <source>Veltrin (antenna)</source>
        <translation>Veltrin (anténa)</translation>
    </message>
    <message>
        <source>Mirror equation: x = K times y squared</source>
        <translation>Rovnice zrcadla: x = K krát y na druhou</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Pravděpodobnost</translation>
    </message>
    <message>
        <source>Title of the probability plot</source>
        <translation>Nadpis grafu pravděpodobnosti</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornuovy spirály</translation>
    </message>
    <message>
        <source>Title of the spiral plot</source>
        <translation>Nadpis kresby spirál</translation>
    </message>
    <message>
        <source>Runs the simulation with the chosen mirror, frequency and delay.</source>
        <translation>Spustí simulaci se zvoleným zrcadlem, frekvencí a zpomalením.</translation>
    </message>
    <message>
        <source>Ends the program.</source>
        <translation>Ukončí program.</translation>
    </message>
    <message>
        <source>Its probability bars are red.</source>
        <translation>Její sloupce pravděpodobnosti jsou červené.</translation>
    </message>
    <message>
        <source>Its probability bars are green.</source>
        <translation>Její sloupce pravděpodobnosti jsou zelené.</translation>
    </message>
    <message>
        <source>Its probability bars are blue.</source>
        <translation>Její sloupce pravděpodobnosti jsou modré.</translation>
    </message>
    <message>
        <source>The mirror&apos;s constant K: the larger K, the more curved the mirror and the nearer its focus.</source>
        <translation>Konstanta zrcadla K: čím větší K, tím zakřivenější zrcadlo a tím blíž jeho ohnisko.</translation>
    </message>
    <message>
        <source>The light&apos;s frequency: the higher, the shorter its wavelength.</source>
        <translation>Frekvence světla: čím vyšší, tím kratší vlnová délka.</translation>
    </message>
    <message>
        <source>The flattest mirror, its focus the farthest.</source>
        <translation>Nejplošší zrcadlo, ohnisko nejdál.</translation>
    </message>
    <message>
        <source>A flat mirror, its focus far.</source>
        <translation>Ploché zrcadlo, ohnisko daleko.</translation>
    </message>
    <message>
        <source>A curved mirror, its focus near.</source>
        <translation>Zakřivené zrcadlo, ohnisko blízko.</translation>
    </message>
    <message>
        <source>The most curved mirror, its focus the nearest.</source>
        <translation>Nejzakřivenější zrcadlo, ohnisko nejblíž.</translation>
    </message>
</context>
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
    <name>RunDescription</name>
    <message>
        <source>Run %1: %2 frequency, mirror K = %3.</source>
        <translation>Výpočet %1: frekvence %2, zrcadlo K = %3.</translation>
    </message>
    <message>
        <source>The probability peaks %L1 units right of the mirror&apos;s vertex line.</source>
        <translation>Pravděpodobnost je nejvyšší %L1 jednotek vpravo od tečny ve vrcholu zrcadla.</translation>
    </message>
    <message>
        <source>The focus, 1/(4K), lies %L1 units right of it.</source>
        <translation>Ohnisko, 1/(4K), leží %L1 jednotek vpravo od ní.</translation>
    </message>
    <message>
        <source>The run stopped after %1 of %2 detector positions.</source>
        <translation>Výpočet skončil po %1 z %2 poloh detektoru.</translation>
    </message>
    <message>
        <source>One run is on the drawing.</source>
        <translation>Na kresbě je jeden výpočet.</translation>
    </message>
    <message>
        <source>%1 runs are on the drawing.</source>
        <translation>Počet výpočtů na kresbě: %1.</translation>
    </message>
    <message>
        <source>The peak bar is %L1 units tall, %2 of the tallest a bar can be.</source>
        <translation>Nejvyšší sloupec měří %L1 jednotek, %2 největší možné výšky sloupce.</translation>
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
    <name>veltrin::AxisPhotons</name>
    <message>
        <source>Photons along the axis, and the bars they follow</source>
        <translation>Fotony na ose a sloupce, které sledují</translation>
    </message>
    <message>
        <source>No photons have landed yet.</source>
        <translation>Zatím nedopadl žádný foton.</translation>
    </message>
    <message>
        <source>%1 photons have landed on the axis; most of them %2 twips from the vertex line.</source>
        <translation>Na osu dopadlo %1 fotonů; nejvíce %2 twipů od tečny ve vrcholu.</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchFigure</name>
    <message>
        <source>x: twips from the vertex line</source>
        <translation>x: twipy od tečny ve vrcholu</translation>
    </message>
    <message>
        <source>y: twips above the axis</source>
        <translation>y: twipy nad osou</translation>
    </message>
    <message>
        <source>Probability, twips of bar</source>
        <translation>Pravděpodobnost, twipy sloupce</translation>
    </message>
    <message>
        <source>x: twips behind the screen</source>
        <translation>x: twipy za stínítkem</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchHelp</name>
    <message>
        <source>Experiment Bench Help</source>
        <translation>Nápověda k experimentálnímu stolu</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the map shows&lt;/h2&gt;&lt;p&gt;Every point of the plane in front of the mirror is a place where a detector could stand. For each one, every point of the mirror that is kept adds its arrow, and the square of the resultant is the probability that the light arrives there, scaled as the main window&apos;s bars. The brighter the colour, the likelier; the colour bar beside the map gives the scale in twips of bar.&lt;/p&gt;&lt;h2&gt;Cutting the mirror&lt;/h2&gt;&lt;p&gt;The strip left of the map is the mirror from its upper end to its lower: bright strips are kept, dark ones cut away. Drag on it to cut strips; a drag that begins on a cut strip puts them back. The Mirror list cuts it at once: a strip around the vertex, the edges, a grating, or the zones for the detector&apos;s point. The zones belong to one experiment: once the shape, K, the source or the light changes, the list says &lt;b&gt;Cut by hand&lt;/b&gt;.&lt;/p&gt;&lt;h2&gt;The detector&lt;/h2&gt;&lt;p&gt;Click or drag on the map, type its x and y in the fields beside it, or move it with the arrow keys, which step on the map&apos;s grid: to the next multiple of 100 twips, of 20 with Shift. Beside the map its arrows are added head to tail; below them stand its probability and its share of the brightest point.&lt;/p&gt;&lt;h2&gt;Predict first&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Predict first&lt;/b&gt; hides the map and every number that would tell where the light goes. Mark where you expect it: click, or move the detector and press Enter. Send photons if you like and watch where they land; then &lt;b&gt;Reveal&lt;/b&gt; shows the map and how each mark did.&lt;/p&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;On the map: the arrow keys move the detector, Shift for smaller steps; while predicting, Enter marks its point.&lt;/li&gt;&lt;li&gt;On the mirror strip: Up and Down move its cursor, Space cuts or restores a strip, Shift+Space a wider one.&lt;/li&gt;&lt;li&gt;Ctrl+Z undoes a cut, Ctrl+Shift+Z redoes it.&lt;/li&gt;&lt;li&gt;Ctrl+N sets the bench up anew from the main window&apos;s last run. Closing the bench keeps what it shows, its cut and its undo for the next time it opens.&lt;/li&gt;&lt;li&gt;Ctrl+S saves the picture, Ctrl+Shift+S the map as CSV; Ctrl+Shift+C copies the picture, Ctrl+Alt+C the detector&apos;s numbers; Ctrl+P prints. The map&apos;s context menu has them too.&lt;/li&gt;&lt;li&gt;F1 shows this page; Escape or Ctrl+W closes the bench.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Co ukazuje mapa&lt;/h2&gt;&lt;p&gt;Každý bod roviny před zrcadlem je místo, kde by mohl stát detektor. Pro každý z nich přidá každý ponechaný bod zrcadla svou šipku a druhá mocnina výslednice je pravděpodobnost, že tam světlo dorazí, ve stejném měřítku jako sloupce hlavního okna. Čím jasnější barva, tím pravděpodobnější; barevná stupnice vedle mapy udává měřítko v twipech sloupce.&lt;/p&gt;&lt;h2&gt;Řezání zrcadla&lt;/h2&gt;&lt;p&gt;Proužek vlevo od mapy je zrcadlo od horního konce k dolnímu: světlé pruhy zůstávají, tmavé jsou odříznuté. Tažením po něm pruhy odříznete; tah, který začne na odříznutém pruhu, je vrací. Seznam Zrcadlo ho ořízne najednou: pruh kolem vrcholu, okraje, mřížka nebo zóny pro bod detektoru. Zóny patří k jednomu pokusu: jakmile se změní tvar, K, zdroj nebo světlo, seznam ukáže &lt;b&gt;Řezáno ručně&lt;/b&gt;.&lt;/p&gt;&lt;h2&gt;Detektor&lt;/h2&gt;&lt;p&gt;Klepněte nebo táhněte po mapě, zapište jeho x a y do polí vedle ní, nebo ho posouvejte šipkami, které krokují po mřížce mapy: k nejbližšímu násobku 100 twipů, se Shiftem 20. Vedle mapy se jeho šipky skládají za sebou; pod nimi stojí jeho pravděpodobnost a jeho podíl na nejjasnějším bodu.&lt;/p&gt;&lt;h2&gt;Nejdřív odhad&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Nejdřív odhad&lt;/b&gt; skryje mapu a každé číslo, které by prozradilo, kam světlo jde. Označte, kam ho čekáte: klepnutím, nebo posuňte detektor a stiskněte Enter. Chcete-li, vyšlete fotony a sledujte, kam dopadají; pak &lt;b&gt;Odhalit&lt;/b&gt; ukáže mapu a jak dopadla každá značka.&lt;/p&gt;&lt;h2&gt;Klávesy&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Na mapě: šipky posouvají detektor, se Shiftem po menších krocích; při odhadu Enter označí jeho bod.&lt;/li&gt;&lt;li&gt;Na proužku zrcadla: šipky nahoru a dolů posouvají jeho kurzor, mezerník odřízne nebo vrátí pruh, Shift+mezerník širší.&lt;/li&gt;&lt;li&gt;Ctrl+Z vrátí řez zpět, Ctrl+Shift+Z ho provede znovu.&lt;/li&gt;&lt;li&gt;Ctrl+N nastaví stůl znovu podle posledního výpočtu hlavního okna. Zavřený stůl si ponechá, co ukazuje, svůj řez i historii úprav pro příští otevření.&lt;/li&gt;&lt;li&gt;Ctrl+S uloží obrázek, Ctrl+Shift+S mapu jako CSV; Ctrl+Shift+C zkopíruje obrázek, Ctrl+Alt+C čísla detektoru; Ctrl+P tiskne. Má je i místní nabídka mapy.&lt;/li&gt;&lt;li&gt;F1 ukáže tuto stránku; Escape nebo Ctrl+W stůl zavře.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Looking closer&lt;/h2&gt;&lt;p&gt;The numbers beside the map give the place in twips. The &lt;b&gt;Colour scale&lt;/b&gt; says what the brightest colour stands for: each map&apos;s own brightest point, the focus of the whole parabola of the same K in the same light (so that a cut mirror or the circle shows how much less light it gathers), or a number you type.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;The mouse wheel, or a touchpad&apos;s pinch, zooms about the pointer; Ctrl+plus and Ctrl+minus zoom about the middle of the map; Ctrl+0 shows the whole map again.&lt;/li&gt;&lt;li&gt;Drag with the middle button, or press Ctrl and an arrow key, to move about the zoomed map. The map&apos;s context menu has the zoom too.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Zblízka&lt;/h2&gt;&lt;p&gt;Čísla vedle mapy udávají místo v twipech. &lt;b&gt;Barevná stupnice&lt;/b&gt; říká, co znamená nejjasnější barva: vlastní nejjasnější bod každé mapy, ohnisko celé paraboly se stejným K ve stejném světle (aby odřezané zrcadlo nebo kružnice ukázaly, o kolik méně světla soustředí), nebo číslo, které zadáte.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Kolečko myši nebo sevření prstů na touchpadu přibližuje kolem ukazatele; Ctrl+plus a Ctrl+minus přibližují a oddalují kolem středu mapy; Ctrl+0 ukáže opět celou mapu.&lt;/li&gt;&lt;li&gt;Táhněte prostředním tlačítkem, nebo stiskněte Ctrl a šipku, a pohybujte se po přiblížené mapě. Přiblížení má i místní nabídka mapy.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Other experiments&lt;/h2&gt;&lt;p&gt;The &lt;b&gt;Experiment&lt;/b&gt; list at the top of the controls (Alt+T) chooses what the light meets. Each experiment keeps its own set-up: switch back and it is as you left it. A cut&apos;s undo belongs to the experiment it was made in.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;The glass layer&lt;/b&gt;: light straight on a layer of glass. Its view shows the front surface&apos;s arrow, turned round, the back surface&apos;s, turned by the trip through the glass and back, and their sum; below, the reflection against the thickness, the present thickness marked. Drag the thickness and watch the reflection go from nothing to 16% and back every half wavelength in the glass. &lt;b&gt;With every echo&lt;/b&gt; adds the paths that go back and forth inside: the arrows wind in a spiral, the reflection tops out at 14.8%, and reflected and transmitted light add up to all of it. With white light each colour has its curve, and the strip beneath shows the layer&apos;s colour, as a soap film&apos;s.&lt;/li&gt;&lt;li&gt;&lt;b&gt;The boundary&lt;/b&gt;: light from above enters a denser medium along the bright stretch of the axis, its window. Below, the arrows turn slower by the index; the beam bends. &lt;b&gt;Path of least time&lt;/b&gt; draws the way to the detector that takes the least time, found by trying every point of the window: it crosses where the arrows at the detector turn least.&lt;/li&gt;&lt;li&gt;&lt;b&gt;The lens&lt;/b&gt;: glass as thick at each height as makes every path from the point source to the target take the same time. The plot beneath the arrows shows each path&apos;s time: flat through the lens, a valley without the glass. Drag the target (the orange square) or type it; cut the lens on the strip as the mirror is cut.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Photons, Predict first and Reveal work for the boundary and the lens as for the mirror. The glass layer has no map: save, copy and print give its view, and its photons are either reflected or go through, counted against the probabilities.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Další experimenty&lt;/h2&gt;&lt;p&gt;Seznam &lt;b&gt;Experiment&lt;/b&gt; nahoře mezi ovládacími prvky (Alt+E) volí, na co světlo dopadá. Každý experiment si pamatuje své nastavení: přepnete-li zpět, je takový, jak jste ho opustili. Vrácení řezu patří k experimentu, ve kterém byl proveden.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Skleněná vrstva&lt;/b&gt;: světlo dopadá kolmo na vrstvu skla. Její pohled ukazuje šipku přední plochy, obrácenou, šipku zadní plochy, otočenou cestou sklem tam a zpět, a jejich součet; pod nimi odraz v závislosti na tloušťce se zvýrazněnou současnou tloušťkou. Táhněte tloušťku a sledujte, jak odraz roste od nuly k 16 % a zpět každou polovinu vlnové délky ve skle. &lt;b&gt;Se všemi vnitřními odrazy&lt;/b&gt; přidá cesty, které jdou uvnitř tam a zpět: šipky se stáčejí do spirály, odraz dosahuje nejvýš 14,8 % a odražené a prošlé světlo dají dohromady všechno světlo. V bílém světle má každá barva svou křivku a proužek pod nimi ukazuje barvu vrstvy, jako u mýdlové bubliny.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Rozhraní&lt;/b&gt;: světlo shora vstupuje do hustšího prostředí světlým úsekem osy, jeho oknem. Dole se šipky otáčejí pomaleji podle indexu lomu; svazek se láme. &lt;b&gt;Cesta nejkratšího času&lt;/b&gt; nakreslí cestu k detektoru, která trvá nejkratší dobu, nalezenou vyzkoušením každého bodu okna: prochází tam, kde se šipky u detektoru otáčejí nejméně.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Čočka&lt;/b&gt;: sklo v každé výšce tak tlusté, aby každá cesta od bodového zdroje k cíli trvala stejně dlouho. Graf pod šipkami ukazuje dobu každé cesty: čočkou je rovný, bez skla je to údolí. Cíl (oranžový čtvereček) lze táhnout nebo zadat; čočku lze řezat na proužku jako zrcadlo.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Fotony, Nejdřív odhad a Odhalit fungují u rozhraní a čočky jako u zrcadla. Skleněná vrstva mapu nemá: uložení, kopírování a tisk dávají její pohled a její fotony se buď odrazí, nebo projdou a počítají se vedle pravděpodobností.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Setups&lt;/h2&gt;&lt;p&gt;The &lt;b&gt;Setup&lt;/b&gt; button keeps the bench&apos;s experiment in a file, with its cut, its light, the detector, the photons and the marks, so that a lesson can start from it: Ctrl+O opens a setup, Ctrl+Alt+S saves this one. &lt;b&gt;Copy share code&lt;/b&gt; puts it on the clipboard as a short text to paste into a message or a worksheet; &lt;b&gt;Open share code&lt;/b&gt; opens one pasted.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Nastavení&lt;/h2&gt;&lt;p&gt;Tlačítko &lt;b&gt;Nastavení&lt;/b&gt; uloží pokus experimentálního stolu do souboru i s jeho řezem, světlem, detektorem, fotony a značkami, aby z něj mohla začít hodina: Ctrl+O otevře nastavení, Ctrl+Alt+S uloží toto. &lt;b&gt;Kopírovat kód ke sdílení&lt;/b&gt; ho vloží do schránky jako krátký text, který lze vložit do zprávy nebo pracovního listu; &lt;b&gt;Otevřít kód ke sdílení&lt;/b&gt; otevře vložený kód.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The slits&lt;/h2&gt;&lt;p&gt;A screen along the map&apos;s left edge with one to a dozen slits; the map shows the plane behind it. Type the number of &lt;b&gt;Slits&lt;/b&gt;, their &lt;b&gt;Width&lt;/b&gt; and their &lt;b&gt;Separation&lt;/b&gt;, centre to centre; slits that would overlap or leave the screen are brought closer or made narrower; or drag a slit off the axis along the screen. The light comes as a beam, or from a point source before the screen, where &lt;b&gt;Light from&lt;/b&gt; puts it.&lt;/p&gt;&lt;p&gt;At the detector each slit&apos;s arrows are drawn in its own colour with their sum, the slits one after another, head to tail, and their total in bold. The plot beneath shows how wide one slit&apos;s bright spot is at the map&apos;s far edge against the slit&apos;s width: narrow the slit and below a few wavelengths its spot grows wider. Below it the photons sent build the pattern along the detector&apos;s vertical line: those landing within about 100 twips of it, counted every 100 twips from below the axis (left) to above it (right), with the map&apos;s probability along the line drawn over them.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Which-path marks&lt;/b&gt; puts a mark (orange) on each slit that records which one the light took. Then the slits&apos; sums are not added: each starts from the same point, and the probability is the sum of their squares. The fringes vanish, and photons land without them. &lt;b&gt;Erase the marks&lt;/b&gt; erases them again (hollow): the sums add and the fringes come back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Štěrbiny&lt;/h2&gt;&lt;p&gt;Stínítko podél levého okraje mapy s jednou až dvanácti štěrbinami; mapa ukazuje rovinu za ním. Zadejte počet &lt;b&gt;Štěrbin&lt;/b&gt;, jejich &lt;b&gt;Šířku&lt;/b&gt; a &lt;b&gt;Rozestup&lt;/b&gt; středů; štěrbiny, které by se překrývaly nebo přesahovaly stínítko, se přiblíží nebo zúží; nebo táhněte štěrbinu mimo osu podél stínítka. Světlo přichází jako svazek, nebo z bodového zdroje před stínítkem, kam ho umístí &lt;b&gt;Místo zdroje&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;U detektoru jsou šipky každé štěrbiny nakresleny její barvou i s jejich součtem, štěrbiny jedna za druhou, hlavou k patě, a jejich celkový součet tučně. Graf pod nimi ukazuje, jak široká je jasná skvrna za jednou štěrbinou na vzdáleném okraji mapy v závislosti na šířce štěrbiny: zužujte štěrbinu a pod několik vlnových délek se její skvrna rozšiřuje. Pod ním fotony, které posíláte, skládají obrazec podél svislé přímky detektoru: ty, které dopadnou nejvýše asi 100 twipů od ní, počítané po 100 twipech od míst pod osou (vlevo) k místům nad ní (vpravo), přes ně nakreslená pravděpodobnost mapy podél přímky.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Značky cesty&lt;/b&gt; dají na každou štěrbinu značku (oranžovou), která zaznamená, kterou štěrbinou světlo prošlo. Pak se součty štěrbin nesčítají: každý začíná ve stejném bodě a pravděpodobnost je součtem jejich čtverců. Proužky zmizí a fotony dopadají bez nich. &lt;b&gt;Vymazat značky&lt;/b&gt; je zase vymaže (prázdné): součty se sčítají a proužky se vrátí.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchRun</name>
    <message>
        <source>veltrin: no light reaches the plane in this experiment: no photon can land</source>
        <translation>veltrin: v tomto pokusu nedopadá do roviny žádné světlo: žádný foton nemůže dopadnout</translation>
    </message>
</context>
<context>
    <name>veltrin::BenchWindow</name>
    <message>
        <source>Experiment bench</source>
        <translation>Experimentální stůl</translation>
    </message>
    <message>
        <source>Probability map</source>
        <translation>Mapa pravděpodobnosti</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kružnice</translation>
    </message>
    <message>
        <source>The main window&apos;s K</source>
        <translation>K hlavního okna</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiné</translation>
    </message>
    <message>
        <source> rad/twip</source>
        <translation> rad/twip</translation>
    </message>
    <message>
        <source>The main window&apos;s frequency</source>
        <translation>Frekvence hlavního okna</translation>
    </message>
    <message>
        <source>&amp;White light</source>
        <translation>&amp;Bílé světlo</translation>
    </message>
    <message>
        <source>Parallel beam</source>
        <translation>Rovnoběžný svazek</translation>
    </message>
    <message>
        <source>Point source</source>
        <translation>Bodový zdroj</translation>
    </message>
    <message>
        <source>Put the source at the &amp;detector</source>
        <translation>Zdroj na místo &amp;detektoru</translation>
    </message>
    <message>
        <source>Mirror preset</source>
        <translation>Předvolba zrcadla</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Celé zrcadlo</translation>
    </message>
    <message>
        <source>Only a strip around the vertex</source>
        <translation>Jen pruh kolem vrcholu</translation>
    </message>
    <message>
        <source>Only the edges</source>
        <translation>Jen okraje</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Mřížka</translation>
    </message>
    <message>
        <source>Zones for the detector</source>
        <translation>Zóny pro detektor</translation>
    </message>
    <message>
        <source> twips</source>
        <translation> twipů</translation>
    </message>
    <message>
        <source>Full map computed</source>
        <translation>Spočtená část plné mapy</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation>&amp;Tvar:</translation>
    </message>
    <message>
        <source>&amp;K:</source>
        <translation>&amp;K:</translation>
    </message>
    <message>
        <source>&amp;Wavenumber:</source>
        <translation>&amp;Vlnové číslo:</translation>
    </message>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Zdroj:</translation>
    </message>
    <message>
        <source>&amp;Mirror:</source>
        <translation>&amp;Zrcadlo:</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Uložit obrázek…</translation>
    </message>
    <message>
        <source>Save map as CSV…</source>
        <translation>Uložit mapu jako CSV…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>Copy numbers</source>
        <translation>Kopírovat čísla</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tisk…</translation>
    </message>
    <message>
        <source>Strip around the vertex</source>
        <translation>Pruh kolem vrcholu</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Okraje</translation>
    </message>
    <message>
        <source>Grating of %1 twips</source>
        <translation>Mřížka s periodou %1 twipů</translation>
    </message>
    <message>
        <source>map not yet computed</source>
        <translation>mapa ještě není spočtena</translation>
    </message>
    <message>
        <source>The whole mirror is kept.</source>
        <translation>Zrcadlo je celé.</translation>
    </message>
    <message>
        <source>The map is being computed.</source>
        <translation>Mapa se počítá.</translation>
    </message>
    <message>
        <source>The brightest point is %1 twips from the vertex line and %2 twips %3, with a probability of %4 twips of bar.</source>
        <translation>Nejjasnější bod leží %1 twipů od tečny ve vrcholu a %2 twipů %3, s pravděpodobností %4 twipů sloupce.</translation>
    </message>
    <message>
        <source>above the axis</source>
        <translation>nad osou</translation>
    </message>
    <message>
        <source>below the axis</source>
        <translation>pod osou</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>kružnice</translation>
    </message>
    <message>
        <source>parabola</source>
        <translation>parabola</translation>
    </message>
    <message>
        <source>white light</source>
        <translation>bílé světlo</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Obrázek se nepodařilo uložit jako %1:
%2</translation>
    </message>
    <message>
        <source>The map is still being computed; save it once it is done.</source>
        <translation>Mapa se ještě počítá; uložte ji, až bude hotová.</translation>
    </message>
    <message>
        <source>Save map</source>
        <translation>Uložit mapu</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Hodnoty oddělené čárkami (*.csv)</translation>
    </message>
    <message>
        <source>The map could not be saved as %1:
%2</source>
        <translation>Mapu se nepodařilo uložit jako %1:
%2</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Tisk obrázku</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Obrázek se nepodařilo vytisknout.</translation>
    </message>
    <message>
        <source>Cut by hand</source>
        <translation>Řezáno ručně</translation>
    </message>
    <message>
        <source>It is a strip around the vertex.</source>
        <translation>Je to pruh kolem vrcholu.</translation>
    </message>
    <message>
        <source>They are its edges.</source>
        <translation>Jsou to jeho okraje.</translation>
    </message>
    <message>
        <source>They make a grating of %1 twips.</source>
        <translation>Tvoří mřížku s periodou %1 twipů.</translation>
    </message>
    <message>
        <source>The mirror&apos;s shape: a parabola, or a circle of the same focal length.</source>
        <translation>Tvar zrcadla: parabola, nebo kružnice se stejnou ohniskovou vzdáleností.</translation>
    </message>
    <message>
        <source>The mirror&apos;s constant K: the larger K, the more curved the mirror and the nearer its focus.</source>
        <translation>Konstanta zrcadla K: čím větší K, tím zakřivenější zrcadlo a tím blíž jeho ohnisko.</translation>
    </message>
    <message>
        <source>Sets K to one of the main window&apos;s choices.</source>
        <translation>Nastaví K na jednu z voleb hlavního okna.</translation>
    </message>
    <message>
        <source>The light&apos;s wavenumber: the larger, the shorter its wavelength.</source>
        <translation>Vlnové číslo světla: čím větší, tím kratší vlnová délka.</translation>
    </message>
    <message>
        <source>Sets the wavenumber to one of the main window&apos;s frequencies.</source>
        <translation>Nastaví vlnové číslo na jednu z frekvencí hlavního okna.</translation>
    </message>
    <message>
        <source>Light of many frequencies at once instead of one.</source>
        <translation>Světlo mnoha frekvencí najednou místo jedné.</translation>
    </message>
    <message>
        <source>Light from far away in parallel rays, or from a point.</source>
        <translation>Světlo zdaleka v rovnoběžných paprscích, nebo z bodu.</translation>
    </message>
    <message>
        <source>Puts a point source where the detector stands.</source>
        <translation>Umístí bodový zdroj tam, kde stojí detektor.</translation>
    </message>
    <message>
        <source>Which strips of the mirror are kept: all, some, or those cut by hand.</source>
        <translation>Které pruhy zrcadla zůstanou: všechny, některé, nebo ty řezané ručně.</translation>
    </message>
    <message>
        <source>Grating period</source>
        <translation>Perioda mřížky</translation>
    </message>
    <message>
        <source>The width of one strip and one gap of the grating.</source>
        <translation>Šířka jednoho pruhu a jedné mezery mřížky.</translation>
    </message>
    <message>
        <source>How much of the map has been computed in full detail.</source>
        <translation>Jaká část mapy je spočtena v plné podrobnosti.</translation>
    </message>
    <message>
        <source>Detector x</source>
        <translation>Detektor x</translation>
    </message>
    <message>
        <source>The detector&apos;s distance from the mirror&apos;s vertex line.</source>
        <translation>Vzdálenost detektoru od tečny ve vrcholu zrcadla.</translation>
    </message>
    <message>
        <source>Detector y</source>
        <translation>Detektor y</translation>
    </message>
    <message>
        <source>The detector&apos;s height above the axis (below it where negative).</source>
        <translation>Výška detektoru nad osou (záporná pod ní).</translation>
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
        <translation>Nastaví stůl znovu podle posledního výpočtu hlavního okna: jeho K a frekvence, celé zrcadlo a rovnoběžný svazek.</translation>
    </message>
    <message>
        <source>What the bench shows, how to work it, and its keys.</source>
        <translation>Co stůl ukazuje, jak s ním pracovat a jeho klávesy.</translation>
    </message>
    <message>
        <source>Put the &amp;detector here</source>
        <translation>Umístit &amp;detektor sem</translation>
    </message>
    <message>
        <source>They are the zones for the point x %1, y %2 twips.</source>
        <translation>Jsou to zóny pro bod x %1, y %2 twipů.</translation>
    </message>
    <message>
        <source>Its probability is hidden until Reveal.</source>
        <translation>Jeho pravděpodobnost je skrytá až do odhalení.</translation>
    </message>
    <message>
        <source>%1 of the map&apos;s brightest point</source>
        <translation>%1 nejjasnějšího bodu mapy</translation>
    </message>
    <message>
        <source>Probability %1 twips of bar, %2.</source>
        <translation>Pravděpodobnost %1 twipů sloupce, %2.</translation>
    </message>
    <message>
        <source>The mirror keeps %1 of its %2 strips (%3).</source>
        <translation>Zrcadlu zůstává %1 z jeho %2 pruhů (%3).</translation>
    </message>
    <message>
        <source>The map is hidden: mark where you expect the light, then Reveal.</source>
        <translation>Mapa je skrytá: označte, kam čekáte světlo, pak stiskněte Odhalit.</translation>
    </message>
    <message>
        <source>That is %1 of the whole mirror&apos;s focus, which lies %2 twips from the vertex line and %3 twips %4.</source>
        <translation>To je %1 ohniska celého zrcadla, které leží %2 twipů od tečny ve vrcholu a %3 twipů %4.</translation>
    </message>
    <message>
        <source>New from the main window&apos;s r&amp;un</source>
        <translation>Nově podle výpočtu &amp;hlavního okna</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>wavenumber (rad/twip)</source>
        <translation>vlnové číslo (rad/twip)</translation>
    </message>
    <message>
        <source>x (twips from the vertex line)</source>
        <translation>x (twipy od tečny ve vrcholu)</translation>
    </message>
    <message>
        <source>y (twips above the axis)</source>
        <translation>y (twipy nad osou)</translation>
    </message>
    <message>
        <source>probability (twips of bar)</source>
        <translation>pravděpodobnost (twipy sloupce)</translation>
    </message>
    <message>
        <source>share of the brightest point (%)</source>
        <translation>podíl nejjasnějšího bodu (%)</translation>
    </message>
    <message>
        <source>wavenumber %1 rad/twip</source>
        <translation>vlnové číslo %1 rad/twip</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>wavenumber and its name</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a parallel beam</source>
        <translation>rovnoběžný svazek</translation>
    </message>
    <message>
        <source>a point source at x = %1, y = %2 twips</source>
        <translation>bodový zdroj v x = %1, y = %2 twipů</translation>
    </message>
    <message>
        <source>Experiment bench: %1, K = %2; %3; %4.</source>
        <translation>Experimentální stůl: %1, K = %2; %3; %4.</translation>
    </message>
    <message>
        <source>The detector at x = %1, y = %2 twips: probability %3 twips of bar.</source>
        <translation>Detektor v x = %1, y = %2 twipů: pravděpodobnost %3 twipů sloupce.</translation>
    </message>
    <message>
        <source>The map is still being computed; the picture can be made once it is done.</source>
        <translation>Mapa se ještě počítá; obrázek půjde vytvořit, až bude hotová.</translation>
    </message>
    <message>
        <source>PNG figure (*.png)</source>
        <translation>Obrázek PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG figure (*.svg)</source>
        <translation>Vektorový obrázek SVG (*.svg)</translation>
    </message>
    <message>
        <source>&amp;Colour scale:</source>
        <translation>Ba&amp;revná stupnice:</translation>
    </message>
    <message>
        <source>The mirror</source>
        <translation>Zrcadlo</translation>
    </message>
    <message>
        <source>The glass layer</source>
        <translation>Skleněná vrstva</translation>
    </message>
    <message>
        <source>The boundary</source>
        <translation>Rozhraní</translation>
    </message>
    <message>
        <source>The lens</source>
        <translation>Čočka</translation>
    </message>
    <message>
        <source>The glass&apos;s or the medium&apos;s refractive index: how much slower the light&apos;s arrow turns there.</source>
        <translation>Index lomu skla nebo prostředí: oč pomaleji se tam šipka světla otáčí.</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Tloušťka</translation>
    </message>
    <message>
        <source>The layer&apos;s thickness.</source>
        <translation>Tloušťka vrstvy.</translation>
    </message>
    <message>
        <source>With e&amp;very echo</source>
        <translation>Se vše&amp;mi vnitřními odrazy</translation>
    </message>
    <message>
        <source>Adds the paths that go back and forth inside the layer.</source>
        <translation>Přidá cesty, které jdou uvnitř vrstvy tam a zpět.</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>The beam&apos;s angle from the normal to the boundary.</source>
        <translation>Úhel svazku od kolmice k rozhraní.</translation>
    </message>
    <message>
        <source>Window from</source>
        <translation>Začátek okna</translation>
    </message>
    <message>
        <source>Window to</source>
        <translation>Konec okna</translation>
    </message>
    <message>
        <source>Where the boundary begins to let light in.</source>
        <translation>Odkud rozhraní začíná propouštět světlo.</translation>
    </message>
    <message>
        <source>Where it stops letting light in.</source>
        <translation>Kde světlo propouštět přestává.</translation>
    </message>
    <message>
        <source>Draws the way to the detector that takes the least time, found by trying every point the light crosses.</source>
        <translation>Nakreslí cestu k detektoru, která trvá nejkratší dobu, nalezenou vyzkoušením každého bodu, kterým světlo prochází.</translation>
    </message>
    <message>
        <source>Target x</source>
        <translation>Cíl x</translation>
    </message>
    <message>
        <source>Target y</source>
        <translation>Cíl y</translation>
    </message>
    <message>
        <source>Where the lens gathers the light.</source>
        <translation>Kam čočka soustředí světlo.</translation>
    </message>
    <message>
        <source>&amp;Index:</source>
        <translation>&amp;Index lomu:</translation>
    </message>
    <message>
        <source>Window &amp;from:</source>
        <translation>Začátek o&amp;kna:</translation>
    </message>
    <message>
        <source>Window to:</source>
        <translation>Konec okna:</translation>
    </message>
    <message>
        <source>index</source>
        <translation>index lomu</translation>
    </message>
    <message>
        <source>thickness (twips)</source>
        <translation>tloušťka (twipy)</translation>
    </message>
    <message>
        <source>reflected (%)</source>
        <translation>odraženo (%)</translation>
    </message>
    <message>
        <source>transmitted (%)</source>
        <translation>prošlo (%)</translation>
    </message>
    <message>
        <source>The light enters the medium of index %1 between x = %2 and %3 twips.</source>
        <translation>Světlo vstupuje do prostředí s indexem lomu %1 mezi x = %2 a %3 twipy.</translation>
    </message>
    <message>
        <source>The whole lens is kept.</source>
        <translation>Čočka je celá.</translation>
    </message>
    <message>
        <source>The lens keeps %1 of its %2 strips (%3).</source>
        <translation>Z čočky zůstává %1 z jejích %2 proužků (%3).</translation>
    </message>
    <message>
        <source>A layer of index %1, %2 twips thick, lit straight on%3.</source>
        <translation>Vrstva s indexem lomu %1, tlustá %2 twipů, osvětlená kolmo%3.</translation>
    </message>
    <message>
        <source>, with every echo</source>
        <translation>, se všemi vnitřními odrazy</translation>
    </message>
    <message>
        <source>Experiment bench: the glass layer; %1.</source>
        <translation>Experimentální stůl: skleněná vrstva; %1.</translation>
    </message>
    <message>
        <source>a parallel beam at %1° from the normal</source>
        <translation>rovnoběžný svazek pod úhlem %1° od kolmice</translation>
    </message>
    <message>
        <source>Experiment bench: the boundary of a medium of index %1; %2; %3.</source>
        <translation>Experimentální stůl: rozhraní s prostředím s indexem lomu %1; %2; %3.</translation>
    </message>
    <message>
        <source>Experiment bench: a lens of index %1 gathering the light to x = %2, y = %3 twips; %4; %5.</source>
        <translation>Experimentální stůl: čočka s indexem lomu %1 soustřeďující světlo do x = %2, y = %3 twipů; %4; %5.</translation>
    </message>
    <message>
        <source>The glass layer has no map to save.</source>
        <translation>Skleněná vrstva nemá mapu, kterou by šlo uložit.</translation>
    </message>
    <message>
        <source>Experiment: the mirror.</source>
        <translation>Experiment: zrcadlo.</translation>
    </message>
    <message>
        <source>Experiment: the glass layer.</source>
        <translation>Experiment: skleněná vrstva.</translation>
    </message>
    <message>
        <source>Experiment: the boundary.</source>
        <translation>Experiment: rozhraní.</translation>
    </message>
    <message>
        <source>Experiment: the lens.</source>
        <translation>Experiment: čočka.</translation>
    </message>
    <message>
        <source>Path of least ti&amp;me</source>
        <translation>Cesta nejkratšího ča&amp;su</translation>
    </message>
    <message>
        <source>Experimen&amp;t:</source>
        <translation>&amp;Experiment:</translation>
    </message>
    <message>
        <source>T&amp;hickness:</source>
        <translation>&amp;Tloušťka:</translation>
    </message>
    <message>
        <source>An&amp;gle:</source>
        <translation>Úhe&amp;l:</translation>
    </message>
    <message>
        <source>Tar&amp;get:</source>
        <translation>&amp;Cíl:</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>Nas&amp;tavení</translation>
    </message>
    <message>
        <source>Open, save and share the bench&apos;s setup.</source>
        <translation>Otevřít, uložit a sdílet nastavení experimentálního stolu.</translation>
    </message>
    <message>
        <source>The slits</source>
        <translation>Štěrbiny</translation>
    </message>
    <message>
        <source>What the light meets: the mirror, a layer of glass, the boundary of a denser medium, a lens, or a screen with slits.</source>
        <translation>Na co světlo dopadá: na zrcadlo, na vrstvu skla, na rozhraní s hustším prostředím, na čočku, nebo na stínítko se štěrbinami.</translation>
    </message>
    <message>
        <source>How many slits the screen has, centred on the axis.</source>
        <translation>Kolik štěrbin má stínítko, souměrně kolem osy.</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Šířka štěrbiny</translation>
    </message>
    <message>
        <source>Each slit&apos;s width.</source>
        <translation>Šířka každé štěrbiny.</translation>
    </message>
    <message>
        <source>Slit separation</source>
        <translation>Rozestup štěrbin</translation>
    </message>
    <message>
        <source>From one slit&apos;s middle to the next one&apos;s. Slits that would overlap or leave the screen are brought closer or made narrower.</source>
        <translation>Od středu jedné štěrbiny ke středu další. Štěrbiny, které by se překrývaly nebo přesahovaly stínítko, se přiblíží nebo zúží.</translation>
    </message>
    <message>
        <source>Which-path &amp;marks</source>
        <translation>Značky &amp;cesty</translation>
    </message>
    <message>
        <source>Each slit marks the light that passes it: the arrows of different slits no longer add, only their squares.</source>
        <translation>Každá štěrbina označí světlo, které jí projde: šipky různých štěrbin se už nesčítají, jen jejich čtverce.</translation>
    </message>
    <message>
        <source>Source x</source>
        <translation>Zdroj x</translation>
    </message>
    <message>
        <source>How far before the screen the point source stands.</source>
        <translation>Jak daleko před stínítkem stojí bodový zdroj.</translation>
    </message>
    <message>
        <source>Source y</source>
        <translation>Zdroj y</translation>
    </message>
    <message>
        <source>The point source&apos;s height above the axis.</source>
        <translation>Výška bodového zdroje nad osou.</translation>
    </message>
    <message>
        <source>Wi&amp;dth:</source>
        <translation>Šíř&amp;ka:</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>štěrbiny</translation>
    </message>
    <message>
        <source>One slit %1 twips wide.</source>
        <translation>Jedna štěrbina široká %1 twipů.</translation>
    </message>
    <message>
        <source>%1 slits, each %2 twips wide, %3 twips apart centre to centre.</source>
        <translation>Štěrbin: %1, každá široká %2 twipů, středy %3 twipů od sebe.</translation>
    </message>
    <message>
        <source>Each slit marks which way the light went: the slits&apos; arrows are not added, their squares are.</source>
        <translation>Každá štěrbina značí, kudy světlo šlo: šipky štěrbin se nesčítají, sčítají se jejich čtverce.</translation>
    </message>
    <message>
        <source>The slits mark the light&apos;s way, but the eraser erases the marks: the slits&apos; arrows add.</source>
        <translation>Štěrbiny značí cestu světla, ale guma značky maže: šipky štěrbin se sčítají.</translation>
    </message>
    <message>
        <source>Experiment: the slits.</source>
        <translation>Experiment: štěrbiny.</translation>
    </message>
    <message>
        <source>The brightest point is %1 twips behind the screen and %2 twips %3, with a probability of %4 twips of bar.</source>
        <translation>Nejjasnější bod leží %1 twipů za stínítkem a %2 twipů %3, s pravděpodobností %4 twipů sloupce.</translation>
    </message>
    <message>
        <source>Experiment bench: a screen with slits; %1; %2.</source>
        <translation>Experimentální stůl: stínítko se štěrbinami; %1; %2.</translation>
    </message>
    <message>
        <source>Erase the mar&amp;ks</source>
        <translation>Vy&amp;mazat značky</translation>
    </message>
    <message>
        <source>The eraser: erases the marks before the light reaches the detector.</source>
        <translation>Guma: vymaže značky dřív, než světlo dorazí k detektoru.</translation>
    </message>
    <message>
        <source>Sl&amp;its:</source>
        <translation>Štěrb&amp;iny:</translation>
    </message>
    <message>
        <source>&amp;Separation:</source>
        <translation>Rozest&amp;up:</translation>
    </message>
    <message>
        <source>Light &amp;from:</source>
        <translation>Místo zdro&amp;je:</translation>
    </message>
    <message>
        <source>x (twips behind the screen)</source>
        <translation>x (twipy za stínítkem)</translation>
    </message>
</context>
<context>
    <name>veltrin::ChainPanel</name>
    <message>
        <source>Arrows at the detector</source>
        <translation>Šipky v detektoru</translation>
    </message>
    <message>
        <source>Hidden until Reveal</source>
        <translation>Skryto až do odhalení</translation>
    </message>
    <message>
        <source>Each colour&apos;s resultant</source>
        <translation>Výslednice každé barvy</translation>
    </message>
    <message>
        <source>Slits apart: squares add</source>
        <translation>Štěrbiny zvlášť: sčítají se čtverce</translation>
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
    <message>
        <source>%1 (%2)</source>
        <comment>name and value</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>wavelength</source>
        <translation>vlnová délka</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Vlnová délka</translation>
    </message>
    <message>
        <source>share of highest</source>
        <translation>podíl nejvyššího</translation>
    </message>
    <message>
        <source>Share of the run&apos;s highest bar</source>
        <translation>Podíl nejvyššího sloupce výpočtu</translation>
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
    <message>
        <source>fitted to each position</source>
        <translation>přizpůsobené každé poloze</translation>
    </message>
    <message>
        <source>one for all positions</source>
        <translation>jedno pro všechny polohy</translation>
    </message>
    <message>
        <source>Arrow scale</source>
        <translation>Měřítko šipek</translation>
    </message>
    <message>
        <source>Copy &amp;figures</source>
        <translation>Kopírovat č&amp;ísla</translation>
    </message>
    <message>
        <source>Copy &amp;all positions</source>
        <translation>Kopírovat &amp;všechny polohy</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Uložit obrázek…</translation>
    </message>
    <message>
        <source>Copy &amp;picture</source>
        <translation>Kopírovat &amp;obrázek</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Tisk…</translation>
    </message>
    <message>
        <source>Arrow &amp;scale:</source>
        <translation>&amp;Měřítko šipek:</translation>
    </message>
    <message>
        <source>Copy all positions</source>
        <translation>Kopírovat všechny polohy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Obrázek nelze uložit jako %1:
%2</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Tisk obrázku</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Obrázek nelze vytisknout.</translation>
    </message>
    <message>
        <source>&amp;Experiment bench…</source>
        <translation>&amp;Experimentální stůl…</translation>
    </message>
    <message>
        <source>Moves the detector along the axis: Left and Right step a position, Home and End go to the ends.</source>
        <translation>Posouvá detektor po ose: šipky vlevo a vpravo o jednu polohu, Home a End na konce.</translation>
    </message>
    <message>
        <source>How many arrows the mirror is divided into: the more, the smoother the spiral.</source>
        <translation>Na kolik šipek se zrcadlo dělí: čím víc, tím hladší spirála.</translation>
    </message>
    <message>
        <source>The arrows at a scale fitted to each position, or at one scale for all positions, to compare their lengths.</source>
        <translation>Šipky v měřítku přizpůsobeném každé poloze, nebo v jednom měřítku pro všechny polohy, aby šlo porovnat jejich délky.</translation>
    </message>
    <message>
        <source>The arrows of all mirror points added head to tail; the line from the first tail to the last head is the resultant. Point at an arrow to see its path.</source>
        <translation>Šipky všech bodů zrcadla složené za sebou; úsečka od začátku první k hrotu poslední je výslednice. Ukažte na šipku a uvidíte její dráhu.</translation>
    </message>
    <message>
        <source>The mirror with the path of the arrow under the pointer, or else the path of least time.</source>
        <translation>Zrcadlo s dráhou šipky pod ukazatelem, jinak s dráhou nejkratšího času.</translation>
    </message>
    <message>
        <source>How long the path from the source over each mirror point to the detector is: where the graph is flat, the arrows point alike.</source>
        <translation>Jak dlouhá je dráha od zdroje přes každý bod zrcadla k detektoru: kde je graf plochý, míří šipky stejně.</translation>
    </message>
    <message>
        <source>Copies the figures of every detector position as a table.</source>
        <translation>Zkopíruje čísla všech poloh detektoru jako tabulku.</translation>
    </message>
    <message>
        <source>Closes the close-up.</source>
        <translation>Zavře detailní pohled.</translation>
    </message>
</context>
<context>
    <name>veltrin::ColourBar</name>
    <message>
        <source>Colour scale from 0 to %1 twips of bar</source>
        <translation>Barevná stupnice od 0 do %1 twipů sloupce</translation>
    </message>
    <message>
        <source>Colour scale; its numbers are hidden until Reveal</source>
        <translation>Barevná stupnice; její čísla jsou skrytá až do odhalení</translation>
    </message>
    <message>
        <source>twips of bar</source>
        <translation>twipů sloupce</translation>
    </message>
    <message>
        <source>twips of bar (%1)</source>
        <translation>twipů sloupce (%1)</translation>
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
    <name>veltrin::CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Vypíše nápovědu k volbám příkazové řádky.</translation>
    </message>
    <message>
        <source>Choose the mirror&apos;s K: %1.</source>
        <translation>Zvolí konstantu zrcadla K: %1.</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>HODNOTA</translation>
    </message>
    <message>
        <source>Choose the light&apos;s frequency.</source>
        <translation>Zvolí frekvenci světla.</translation>
    </message>
    <message>
        <source>Set the animation&apos;s scroll bar to N, from 0 (as fast as the machine draws) to %1 (the slowest).</source>
        <translation>Nastaví posuvník rychlosti animace na N, od 0 (tak rychle, jak počítač stíhá kreslit) po %1 (nejpomaleji).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Press Start once the window is shown.</source>
        <translation>Jakmile se okno objeví, stiskne Start.</translation>
    </message>
    <message>
        <source>Make one run with no window, save its picture as a PNG file and exit.</source>
        <translation>Provede jeden výpočet bez okna, uloží jeho obrázek jako soubor PNG a skončí.</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>SOUBOR.png</translation>
    </message>
    <message>
        <source>Make one run with no window, save its probabilities as comma-separated values and exit. Together with --save-picture, the one run writes both files.</source>
        <translation>Provede jeden výpočet bez okna, uloží jeho pravděpodobnosti jako hodnoty oddělené čárkami (CSV) a skončí. Spolu s --save-picture zapíše tentýž výpočet oba soubory.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>SOUBOR.csv</translation>
    </message>
    <message>
        <source>(see veltrin --help)</source>
        <translation>(viz veltrin --help)</translation>
    </message>
    <message>
        <source>--k %1 is none of the mirror constants; choose one of %2</source>
        <translation>--k %1 není žádná z konstant zrcadla; zvolte jednu z %2</translation>
    </message>
    <message>
        <source>--frequency %1 is none of the frequencies; choose one of %2</source>
        <translation>--frequency %1 není žádná z frekvencí; zvolte jednu z %2</translation>
    </message>
    <message>
        <source>--speed %1 is not a whole number from 0 to %2</source>
        <translation>--speed %1 není celé číslo od 0 do %2</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informace o verzi.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>nečekaný argument „%1“</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for the standard output</source>
        <translation>%1 potřebuje název souboru, nebo - pro standardní výstup</translation>
    </message>
    <message>
        <source>%1 %2: the file is written as .%3; name it so</source>
        <translation>%1 %2: soubor se zapisuje jako .%3; pojmenujte ho tak</translation>
    </message>
    <message>
        <source>Make one run with no window, save it as a figure for a worksheet (on white, with a legend; SVG where the name ends in .svg, else PNG) and exit.</source>
        <translation>Provede jeden výpočet bez okna, uloží ho jako obrázek pro pracovní list (na bílém, s legendou; SVG, končí-li název na .svg, jinak PNG) a skončí.</translation>
    </message>
    <message>
        <source>FILE.svg|FILE.png</source>
        <translation>SOUBOR.svg|SOUBOR.png</translation>
    </message>
    <message>
        <source>%1 and %2 both name %3; each needs a file of its own</source>
        <translation>%1 i %2 uvádějí %3; každé potřebuje vlastní soubor</translation>
    </message>
    <message>
        <source>the standard output</source>
        <translation>standardní výstup</translation>
    </message>
    <message>
        <source>%1 is given more than once; it names one file</source>
        <translation>%1 je zadáno víckrát; volba uvádí jen jeden soubor</translation>
    </message>
    <message>
        <source>veltrin: cannot write %1: %2</source>
        <translation>veltrin: nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>How a parabolic mirror gathers light, told with QED arrows.

With --save-picture, --save-figure or --save-probabilities Veltrin opens no window
and needs no display: it makes one run with the options given and writes the files.
With --save-map or --save-hits it computes the experiment bench&apos;s map instead, and
with --experiment glass --save-scan the glass layer&apos;s reflection.</source>
        <translation>Jak parabolické zrcadlo soustředí světlo, vyprávěno šipkami kvantové elektrodynamiky.

S volbou --save-picture, --save-figure nebo --save-probabilities Veltrin neotevře okno
a nepotřebuje displej: provede jeden výpočet se zadanými volbami a zapíše soubory.
S volbou --save-map nebo --save-hits místo toho spočítá mapu experimentálního stolu
a s --experiment glass --save-scan odraz skleněné vrstvy.</translation>
    </message>
    <message>
        <source>--setup is given more than once; it names one file</source>
        <translation>--setup je zadáno víckrát; označuje jeden soubor</translation>
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
        <translation>Obrázek z Veltrinu</translation>
    </message>
</context>
<context>
    <name>veltrin::GlassLayerView</name>
    <message>
        <source>Glass layer</source>
        <translation>Skleněná vrstva</translation>
    </message>
    <message>
        <source>Reflected %1, transmitted %2.</source>
        <translation>Odraženo %1, prošlo %2.</translation>
    </message>
    <message>
        <source>Reflected, every echo</source>
        <translation>Odražené, se všemi odrazy uvnitř</translation>
    </message>
    <message>
        <source>Front, back and their sum</source>
        <translation>Přední, zadní a jejich součet</translation>
    </message>
    <message>
        <source>front</source>
        <translation>přední</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zadní</translation>
    </message>
    <message>
        <source>Transmitted</source>
        <translation>Prošlé</translation>
    </message>
    <message>
        <source>Reflection against the thickness, 0 to %1 twips</source>
        <translation>Odraz v závislosti na tloušťce, 0 až %1 twipů</translation>
    </message>
</context>
<context>
    <name>veltrin::GlassPhotons</name>
    <message>
        <source>Se&amp;nd %1 photons</source>
        <translation>Vyslat %1 &amp;fotonů</translation>
    </message>
    <message>
        <source>Each photon is reflected or goes through, at random with the layer&apos;s probabilities.</source>
        <translation>Každý foton se náhodně odrazí nebo projde, s pravděpodobnostmi vrstvy.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>No photons sent yet.</source>
        <translation>Zatím nebyly vyslány žádné fotony.</translation>
    </message>
    <message>
        <source>Of %1 photons, %2 reflected (%3; probability %4) and %5 went through (%6; probability %7).</source>
        <translation>Z %1 fotonů se %2 odrazilo (%3; pravděpodobnost %4) a %5 prošlo (%6; pravděpodobnost %7).</translation>
    </message>
</context>
<context>
    <name>veltrin::HelpDialog</name>
    <message>
        <source>Veltrin Help</source>
        <translation>Nápověda k programu Veltrin</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;&lt;b&gt;The mirror.&lt;/b&gt; On the left stands a parabolic mirror, x = K&amp;middot;y&amp;sup2;, like an antenna dish turned on its side. Light comes from the right as a parallel beam: the twelve horizontal lines are some of its rays, and after the mirror they gather near the focus, 1/(4K) to the right of the mirror&apos;s vertex. A larger K is a deeper dish with a nearer focus.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The paths.&lt;/b&gt; Quantum electrodynamics does not let the light take one ray. It asks: in how many ways can the light get from the source to a detector on the axis? Each point of the mirror gives one path: from the source to that point, and from there to the detector. Veltrin takes 3000 points of the mirror.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The arrows.&lt;/b&gt; Every path adds a little arrow, all of the same length. An arrow&apos;s direction is a clock hand that turns as the light goes: the longer the path, and the higher the frequency, the further it has turned.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The spirals.&lt;/b&gt; Below the axis the arrows of one detector position are added head to tail. Where neighbouring paths differ in length, the arrows turn against each other and curl up into a Cornu spiral that goes nowhere. Where the paths are all nearly equally long, at the focus, the arrows point the same way and the line from the first tail to the last head, the resultant, is long.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The bars.&lt;/b&gt; Press Start and the detector walks along the axis from left to right, 142 positions. At each one the square of the resultant&apos;s length is the probability that the light arrives there; it is drawn as a bar above the axis: red for Low, green for Middle and blue for High frequency. The bars peak at the focus.&lt;/p&gt;&lt;h2&gt;What to try&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Choose another frequency and press Start again. Asked &amp;ldquo;Delete probability&amp;rdquo;, answer &lt;b&gt;No&lt;/b&gt;: the bars stay, and the runs stand side by side. The higher the frequency, the narrower the peak.&lt;/li&gt;&lt;li&gt;Choose another K: the peak moves, and the dish gathers the light nearer to itself.&lt;/li&gt;&lt;li&gt;Look closer at one detector position: after a run, click its bar to open a close-up window with its arrows, its paths and its numbers; from the keyboard, use the drawing&apos;s context menu entry &lt;b&gt;Look closer&amp;hellip;&lt;/b&gt; (Ctrl+L).&lt;/li&gt;&lt;li&gt;Keep what you see: right-click the drawing to save the picture (Ctrl+S), copy it (Ctrl+C), print it (Ctrl+P), or save the bars&apos; numbers for a spreadsheet (Ctrl+Shift+S). &lt;tt&gt;veltrin --help&lt;/tt&gt; shows how to make pictures and numbers without opening the window.&lt;/li&gt;&lt;li&gt;The scroll bar under the title slows the run down, so that you can watch each spiral curl.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Co obrázek ukazuje&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Zrcadlo.&lt;/b&gt; Vlevo stojí parabolické zrcadlo x = K&amp;middot;y&amp;sup2;, jako anténní talíř otočený na bok. Zprava přichází světlo jako rovnoběžný svazek: dvanáct vodorovných čar jsou některé z jeho paprsků a po odrazu se sbíhají u ohniska, 1/(4K) vpravo od vrcholu zrcadla. Větší K znamená hlubší talíř s bližším ohniskem.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dráhy.&lt;/b&gt; Kvantová elektrodynamika nenechá světlo jít po jediném paprsku. Ptá se: kolika způsoby se světlo může dostat ze zdroje do detektoru na ose? Každý bod zrcadla dává jednu dráhu: ze zdroje do tohoto bodu a odtud do detektoru. Veltrin bere 3000 bodů zrcadla.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Šipky.&lt;/b&gt; Každá dráha přidá malou šipku, všechny stejně dlouhé. Směr šipky je jako ručička hodin, která se otáčí, jak světlo letí: čím delší dráha a čím vyšší frekvence, tím víc se otočila.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Spirály.&lt;/b&gt; Pod osou se šipky jedné polohy detektoru skládají za sebou, hrot k patě. Kde se sousední dráhy liší délkou, šipky se stáčejí proti sobě a svinou se do Cornuovy spirály, která nikam nevede. Kde jsou všechny dráhy skoro stejně dlouhé, v ohnisku, míří šipky stejným směrem a spojnice od paty první k hrotu poslední, výslednice, je dlouhá.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sloupce.&lt;/b&gt; Po stisknutí tlačítka Start projde detektor osu zleva doprava, 142 poloh. V každé je druhá mocnina délky výslednice pravděpodobnost, že světlo dorazí právě sem; kreslí se jako sloupec nad osou: červeně pro nízkou, zeleně pro střední a modře pro vysokou frekvenci. Nejvyšší sloupce stojí v ohnisku.&lt;/p&gt;&lt;h2&gt;Co vyzkoušet&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Zvolte jinou frekvenci a stiskněte znovu Start. Na otázku &amp;bdquo;Smazat pravděpodobnosti?&amp;ldquo; odpovězte &lt;b&gt;Ne&lt;/b&gt;: sloupce zůstanou a výpočty stojí vedle sebe. Čím vyšší frekvence, tím užší vrchol.&lt;/li&gt;&lt;li&gt;Zvolte jiné K: vrchol se posune a talíř soustředí světlo blíž k sobě.&lt;/li&gt;&lt;li&gt;Podívejte se blíže na jednu polohu detektoru: po výpočtu klepněte na její sloupec a otevře se okno s jejími šipkami, drahami a čísly; z klávesnice použijte v místní nabídce kresby položku &lt;b&gt;Podívat se blíže&amp;hellip;&lt;/b&gt; (Ctrl+L).&lt;/li&gt;&lt;li&gt;Uchovejte, co vidíte: klepnutím pravým tlačítkem na kresbu obrázek uložíte (Ctrl+S), zkopírujete (Ctrl+C), vytisknete (Ctrl+P) nebo uložíte čísla sloupců pro tabulkový procesor (Ctrl+Shift+S). &lt;tt&gt;veltrin --help&lt;/tt&gt; ukáže, jak obrázky a čísla vytvořit bez otevření okna.&lt;/li&gt;&lt;li&gt;Posuvník pod nadpisem výpočet zpomalí, abyste viděli, jak se každá spirála stáčí.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keys in the close-up&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Left and Right step to the neighbouring detector position, Home and End go to the ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the position&apos;s figures, Ctrl+Shift+A those of all positions, as a table for a spreadsheet.&lt;/li&gt;&lt;li&gt;Ctrl+S saves the picture of its views, Ctrl+Shift+C copies it and Ctrl+P prints it; its context menu has them too.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the experiment bench.&lt;/li&gt;&lt;li&gt;Escape or Ctrl+W closes it.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Klávesy v detailním pohledu&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Šipky vlevo a vpravo přejdou na sousední polohu detektoru, Home a End na konce.&lt;/li&gt;&lt;li&gt;Ctrl+C zkopíruje čísla polohy, Ctrl+Shift+A čísla všech poloh, jako tabulku pro tabulkový procesor.&lt;/li&gt;&lt;li&gt;Ctrl+S uloží obrázek jeho pohledů, Ctrl+Shift+C ho zkopíruje a Ctrl+P vytiskne; najdete je i v jeho místní nabídce.&lt;/li&gt;&lt;li&gt;Ctrl+E otevře experimentální stůl.&lt;/li&gt;&lt;li&gt;Escape nebo Ctrl+W ho zavře.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>veltrin::LensTimePlot</name>
    <message>
        <source>Time of each path to the target</source>
        <translation>Doba každé cesty k cíli</translation>
    </message>
    <message>
        <source>blue: through the lens; dashed: no glass</source>
        <translation>modře: čočkou; čárkovaně: bez skla</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonCommand</name>
    <message>
        <source>Open the experiment bench with a lesson beside it, station by station: one of those --list-lessons names, or a lesson file. A lesson file given as the only argument does the same.</source>
        <translation>Otevřít experimentální stůl a vedle něj lekci, stanoviště po stanovišti: jednu z lekcí, které vypíše --list-lessons, nebo soubor s lekcí. Soubor s lekcí zadaný jako jediný argument udělá totéž.</translation>
    </message>
    <message>
        <source>NAME|FILE.veltrin-lesson</source>
        <translation>NÁZEV|SOUBOR.veltrin-lesson</translation>
    </message>
    <message>
        <source>List the lessons that come with Veltrin: each one&apos;s name, title and minutes, and exit.</source>
        <translation>Vypsat lekce, které Veltrin obsahuje: u každé název, nadpis a počet minut, a skončit.</translation>
    </message>
    <message>
        <source>Check a lesson file as the window would read it, name each problem with its line, and exit: with status 0 where it is fine, 2 where it is not.</source>
        <translation>Zkontrolovat soubor s lekcí tak, jak by ho četlo okno, u každé chyby uvést řádek a skončit: se stavem 0, je-li v pořádku, jinak 2.</translation>
    </message>
    <message>
        <source>FILE.veltrin-lesson</source>
        <translation>SOUBOR.veltrin-lesson</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1: a lesson of %2 stations, fine
</source>
        <translation>%1: lekce o %2 stanovištích, v pořádku
</translation>
    </message>
    <message>
        <source>--lesson is given more than once; it names one lesson</source>
        <translation>--lesson je zadáno víckrát; určuje jednu lekci</translation>
    </message>
    <message>
        <source>%1 (and %2 more problems: --check-lesson names them all)</source>
        <translation>%1 (a další chyby: %2; --check-lesson vypíše všechny)</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonFile</name>
    <message>
        <source>a station is not an object {…}</source>
        <translation>stanoviště není objekt {…}</translation>
    </message>
    <message>
        <source>the set-up: %1</source>
        <translation>nastavení: %1</translation>
    </message>
    <message>
        <source>&quot;kind&quot; is none of &quot;mark&quot;, &quot;value&quot; and &quot;choice&quot;</source>
        <translation>„kind“ není ani „mark“, ani „value“, ani „choice“</translation>
    </message>
    <message>
        <source>the check&apos;s tolerance must be above 0</source>
        <translation>tolerance kontrolní otázky musí být větší než 0</translation>
    </message>
    <message>
        <source>an answer is not an object {…}</source>
        <translation>odpověď není objekt {…}</translation>
    </message>
    <message>
        <source>&quot;right&quot; is neither true nor false</source>
        <translation>„right“ není ani true, ani false</translation>
    </message>
    <message>
        <source>no answer is marked right</source>
        <translation>žádná odpověď není označena jako správná</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>chybí „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an object {…}</source>
        <translation>„%1“ není objekt {…}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a text nor texts by language code, such as {&quot;en&quot;: &quot;…&quot;, &quot;de&quot;: &quot;…&quot;}</source>
        <translation>„%1“ není ani text, ani texty podle kódu jazyka, např. {&quot;en&quot;: &quot;…&quot;, &quot;de&quot;: &quot;…&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>„%1“ je delší než %2 znaků</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation>„%1“ je prázdné</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ není číslo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from %2 to %3</source>
        <translation>„%1“ není celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list […] of %2 to %3 items</source>
        <translation>„%1“ není seznam […] o %2 až %3 položkách</translation>
    </message>
    <message>
        <source>the lesson is larger than %1 bytes</source>
        <translation>lekce je větší než %1 bajtů</translation>
    </message>
    <message>
        <source>the lesson is not readable JSON: %1</source>
        <translation>lekce není čitelný JSON: %1</translation>
    </message>
    <message>
        <source>the lesson nests objects and lists deeper than %1</source>
        <translation>lekce vnořuje objekty a seznamy hlouběji než %1</translation>
    </message>
    <message>
        <source>this is not a Veltrin lesson: it names no &quot;format&quot;: &quot;%1&quot;</source>
        <translation>toto není lekce Veltrinu: chybí v ní &quot;format&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the lesson names no version of its format</source>
        <translation>lekce neuvádí verzi svého formátu</translation>
    </message>
    <message>
        <source>the lesson is of a newer version (%1) than this Veltrin reads (%2)</source>
        <translation>lekce je novější verze (%1), než jakou tento Veltrin čte (%2)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>%1 is none of the lessons: %2</source>
        <translation>%1 není žádná z lekcí: %2</translation>
    </message>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: takový soubor neexistuje</translation>
    </message>
    <message>
        <source>%1: this is not a file</source>
        <translation>%1: toto není soubor</translation>
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
        <translation>(jméno neuvedeno)</translation>
    </message>
    <message>
        <source>Pupil: %1</source>
        <translation>Žák: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Otázka</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Předpověď</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Pozorování</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>provedeno</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>neprovedeno</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Vysvětlení</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>bez odpovědi</translation>
    </message>
    <message>
        <source>%1: %2 (tries: %3)</source>
        <translation>%1: %2 (pokusy: %3)</translation>
    </message>
    <message>
        <source>right</source>
        <translation>správně</translation>
    </message>
    <message>
        <source>not right</source>
        <translation>nesprávně</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time spent</source>
        <translation>Strávený čas</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Station %1: %2</source>
        <translation>Stanoviště %1: %2</translation>
    </message>
    <message>
        <source>not committed</source>
        <translation>nepotvrzeno</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1; %2)</translation>
    </message>
    <message>
        <source>marks at %1 twips</source>
        <translation>značky v %1 twipech</translation>
    </message>
    <message>
        <source>%1, committed %2</source>
        <translation>%1, potvrzeno v %2</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonWindow</name>
    <message>
        <source>Your name</source>
        <translation>Tvé jméno</translation>
    </message>
    <message>
        <source>Your &amp;name, for the teacher:</source>
        <translation>Tvé &amp;jméno pro učitele:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Př&amp;edchozí</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Další</translation>
    </message>
    <message>
        <source>&amp;Teacher notes</source>
        <translation>Poznámky pro &amp;učitele</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lekce: %1</translation>
    </message>
    <message>
        <source>Shows the notes for the teacher under each station.</source>
        <translation>Ukáže pod každým stanovištěm poznámky pro učitele.</translation>
    </message>
    <message>
        <source>&amp;Save work</source>
        <translation>Uložit prá&amp;ci</translation>
    </message>
    <message>
        <source>Saves what you entered, to hand in (Ctrl+S).</source>
        <translation>Uloží, co jsi zadal, k odevzdání (Ctrl+S).</translation>
    </message>
    <message>
        <source>Pr&amp;int report…</source>
        <translation>Vytisknout &amp;zprávu…</translation>
    </message>
    <message>
        <source>Report as P&amp;DF…</source>
        <translation>Zpráva jako PD&amp;F…</translation>
    </message>
    <message>
        <source>Saves the report for the teacher as a PDF file.</source>
        <translation>Uloží zprávu pro učitele jako soubor PDF.</translation>
    </message>
    <message>
        <source>Station %1 of %2</source>
        <translation>Stanoviště %1 z %2</translation>
    </message>
    <message>
        <source>Save your work</source>
        <translation>Uložit tvou práci</translation>
    </message>
    <message>
        <source>Pupil&apos;s work (*.%1)</source>
        <translation>Práce žáka (*.%1)</translation>
    </message>
    <message>
        <source>Your work could not be saved to %1: %2</source>
        <translation>Tvou práci nelze uložit do %1: %2</translation>
    </message>
    <message>
        <source>Print the report</source>
        <translation>Vytisknout zprávu</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Zprávu nelze vytisknout.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Uložit zprávu jako PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Zprávu nelze uložit do %1: %2</translation>
    </message>
    <message>
        <source>Your work in this lesson has changed since it was last saved.</source>
        <translation>Tvá práce v této lekci se od posledního uložení změnila.</translation>
    </message>
    <message>
        <source>Do you want to save it before it is lost?</source>
        <translation>Chceš ji uložit, než se ztratí?</translation>
    </message>
</context>
<context>
    <name>veltrin::LessonWork</name>
    <message>
        <source>&quot;%1&quot; does not hold what it should</source>
        <translation>„%1“ neobsahuje, co má</translation>
    </message>
    <message>
        <source>The file is larger than a pupil&apos;s work can be.</source>
        <translation>Soubor je větší, než může být práce žáka.</translation>
    </message>
    <message>
        <source>The file is not a pupil&apos;s work: %1</source>
        <translation>Soubor není prací žáka: %1</translation>
    </message>
    <message>
        <source>The file is not a pupil&apos;s work: its format is not &quot;%1&quot;</source>
        <translation>Soubor není prací žáka: jeho formát není „%1“</translation>
    </message>
    <message>
        <source>The file has no version this program knows</source>
        <translation>Soubor nemá verzi, kterou tento program zná</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program</source>
        <translation>Soubor zapsala novější verze programu</translation>
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
    <name>veltrin::MapCommand</name>
    <message>
        <source>Compute the experiment bench&apos;s probability map with no window, save it as comma-separated values and exit.</source>
        <translation>Spočítat mapu pravděpodobnosti experimentálního stolu bez okna, uložit ji jako hodnoty oddělené čárkami a skončit.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>SOUBOR.csv</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>For the map: the mirror&apos;s shape.</source>
        <translation>Pro mapu: tvar zrcadla.</translation>
    </message>
    <message>
        <source>For the map: what is kept of the mirror: all of it, a strip around the vertex, the edges, a grating of a period in twips, or the zones for a point.</source>
        <translation>Pro mapu: co zůstane ze zrcadla: celé, pruh kolem vrcholu, okraje, mřížka s periodou v twipech, nebo zóny pro bod.</translation>
    </message>
    <message>
        <source>For the map: its grid&apos;s step, twips (%1 unless given).</source>
        <translation>Pro mapu: krok její mřížky v twipech (jinak %1).</translation>
    </message>
    <message>
        <source>TWIPS</source>
        <translation>TWIPY</translation>
    </message>
    <message>
        <source>--k %1 is not a number from %2 to %3</source>
        <translation>--k %1 není číslo od %2 do %3</translation>
    </message>
    <message>
        <source>--frequency and --wavenumber both name the light; give one of them</source>
        <translation>--frequency i --wavenumber určují světlo; zadejte jen jedno z nich</translation>
    </message>
    <message>
        <source>--frequency %1 is none of the frequencies; choose one of %2</source>
        <translation>--frequency %1 není žádná z frekvencí; zvolte jednu z %2</translation>
    </message>
    <message>
        <source>--wavenumber %1 is not a number from %2 to %3</source>
        <translation>--wavenumber %1 není číslo od %2 do %3</translation>
    </message>
    <message>
        <source>--shape %1 is none of the shapes; choose parabola or circle</source>
        <translation>--shape %1 není žádný z tvarů; zvolte parabola nebo circle</translation>
    </message>
    <message>
        <source>--source %1 is none of the sources; choose beam or point:X,Y with X from 0 to %2 and Y from %3 to %4</source>
        <translation>--source %1 není žádný ze zdrojů; zvolte beam nebo point:X,Y s X od 0 do %2 a Y od %3 do %4</translation>
    </message>
    <message>
        <source>--mirror %1 is none of the mirrors; choose whole, vertex, edges, grating:PERIOD with a period of %2 to %3 twips, or zones:X,Y with X from 0 to %4 and Y from %5 to %6</source>
        <translation>--mirror %1 není žádné ze zrcadel; zvolte whole, vertex, edges, grating:PERIODA s periodou od %2 do %3 twipů, nebo zones:X,Y s X od 0 do %4 a Y od %5 do %6</translation>
    </message>
    <message>
        <source>--map-step %1 is not a whole number from %2 to %3</source>
        <translation>--map-step %1 není celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>For the map and the scan: the light&apos;s wavenumber, from %1 to %2 radians per twip, instead of --frequency.</source>
        <translation>Pro mapu a průběh: vlnové číslo světla od %1 do %2 radiánů na twip, místo --frequency.</translation>
    </message>
    <message>
        <source>For the map: a parallel beam (the boundary&apos;s at ANGLE degrees from the normal), or a point source at X twips from the vertex line and Y above the axis (before the slits&apos; screen, X is negative).</source>
        <translation>Pro mapu: rovnoběžný svazek (u rozhraní pod úhlem ANGLE stupňů od kolmice), nebo bodový zdroj X twipů od tečny ve vrcholu a Y nad osou (před stínítkem se štěrbinami je X záporné).</translation>
    </message>
</context>
<context>
    <name>veltrin::MapView</name>
    <message>
        <source>Computing the map…</source>
        <translation>Mapa se počítá…</translation>
    </message>
    <message>
        <source>twips</source>
        <translation>twipů</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Př&amp;iblížit</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Oddálit</translation>
    </message>
    <message>
        <source>&amp;Whole map</source>
        <translation>&amp;Celá mapa</translation>
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
    <name>veltrin::MirrorStrip</name>
    <message>
        <source>Mirror strips</source>
        <translation>Pruhy zrcadla</translation>
    </message>
    <message>
        <source>Drag to cut strips of the mirror away or put them back. Keyboard: Up and Down move the cursor, Space cuts or restores, Shift+Space a wider strip.</source>
        <translation>Tažením odřízněte pruhy zrcadla nebo je vraťte. Klávesnice: šipky nahoru a dolů posouvají kurzor, mezerník odřízne nebo vrátí pruh, Shift+mezerník širší pruh.</translation>
    </message>
    <message>
        <source>Restore strips</source>
        <translation>Vrátit pruhy</translation>
    </message>
    <message>
        <source>Cut strips</source>
        <translation>Odříznout pruhy</translation>
    </message>
</context>
<context>
    <name>veltrin::OpticsCommand</name>
    <message>
        <source>For the glass layer, the boundary and the lens: the glass&apos;s refractive index, from %1 to %2 (%3 unless given).</source>
        <translation>Pro skleněnou vrstvu, rozhraní a čočku: index lomu skla, od %1 do %2 (bez udání %3).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>For the boundary: where the light enters it, from FROM to TO twips from the map&apos;s left edge (%1:%2 unless given).</source>
        <translation>Pro rozhraní: kudy jím světlo vstupuje, od FROM do TO twipů od levého okraje mapy (bez udání %1:%2).</translation>
    </message>
    <message>
        <source>FROM:TO</source>
        <translation>OD:DO</translation>
    </message>
    <message>
        <source>For the lens: where it gathers the light, X twips from the map&apos;s left edge and Y above the axis, beyond the lens at X = %1.</source>
        <translation>Pro čočku: kam soustředí světlo, X twipů od levého okraje mapy a Y nad osou, za čočkou v X = %1.</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>--index %1 is not a number from %2 to %3</source>
        <translation>--index %1 není číslo od %2 do %3</translation>
    </message>
    <message>
        <source>--source %1 is none of the boundary&apos;s sources; choose beam:ANGLE with ANGLE from 0 to %2 degrees, or point:X,Y with X from 0 to %3 and Y above the boundary, up to %4</source>
        <translation>--source %1 není žádný ze zdrojů rozhraní; zvolte beam:ANGLE s ANGLE od 0 do %2 stupňů, nebo point:X,Y s X od 0 do %3 a Y nad rozhraním, nejvýše %4</translation>
    </message>
    <message>
        <source>--window %1 is not FROM:TO with 0 ≤ FROM &lt; TO ≤ %2</source>
        <translation>--window %1 není FROM:TO s 0 ≤ FROM &lt; TO ≤ %2</translation>
    </message>
    <message>
        <source>--source %1 is none of the lens&apos;s sources; choose point:X,Y with X from 0 to less than %2, before the lens, and Y from %3 to %4</source>
        <translation>--source %1 není žádný ze zdrojů čočky; zvolte point:X,Y s X od 0 do méně než %2, před čočkou, a Y od %3 do %4</translation>
    </message>
    <message>
        <source>--target %1 is not X,Y beyond the lens, with X above %2 up to %3 and Y from %4 to %5</source>
        <translation>--target %1 není X,Y za čočkou, s X nad %2 až do %3 a Y od %4 do %5</translation>
    </message>
    <message>
        <source>The bench&apos;s experiment: the mirror&apos;s map (the default), the glass layer&apos;s reflection against its thickness, light crossing the boundary of glass, a lens&apos;s map, or the map behind a screen with slits.</source>
        <translation>Pokus experimentálního stolu: mapa zrcadla (výchozí), odraz skleněné vrstvy v závislosti na její tloušťce, světlo procházející rozhraním skla, mapa čočky, nebo mapa za stínítkem se štěrbinami.</translation>
    </message>
</context>
<context>
    <name>veltrin::OptionTable</name>
    <message>
        <source>the window</source>
        <translation>okno</translation>
    </message>
    <message>
        <source> or </source>
        <translation> nebo </translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together: one is the window&apos;s run, the other the experiment bench&apos;s; make them in two calls</source>
        <translation>%1 a %2 nejdou spolu: jedno patří k výpočtu okna, druhé k experimentálnímu stolu; vytvořte je dvěma voláními</translation>
    </message>
    <message>
        <source>%1 is not used by %2; it is for %3</source>
        <translation>%1 nemá pro %2 význam, jen pro %3</translation>
    </message>
    <message>
        <source>--experiment %1 is none of the experiments; choose one of %2</source>
        <translation>--experiment %1 není žádný z pokusů; zvolte jeden z %2</translation>
    </message>
    <message>
        <source>the %1 experiment makes no %2, which is for --experiment %3; it makes %4</source>
        <translation>pokus %1 nevytváří %2, to patří k --experiment %3; vytváří %4</translation>
    </message>
    <message>
        <source>%1 is not used by the %2 experiment; it is for --experiment %3</source>
        <translation>%1 nemá pro pokus %2 význam, jen pro --experiment %3</translation>
    </message>
    <message>
        <source>%1 cannot go with --setup, which holds the experiment whole</source>
        <translation>%1 nelze použít s --setup, které obsahuje celý pokus</translation>
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
<context>
    <name>veltrin::PhotonControls</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>&amp;Hear it</source>
        <translation>&amp;Poslech</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Po&amp;zastavit</translation>
    </message>
    <message>
        <source>Photons a second</source>
        <translation>Fotonů za sekundu</translation>
    </message>
    <message>
        <source>as fast as it draws</source>
        <translation>tak rychle, jak stíhá kreslit</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 za sekundu</translation>
    </message>
    <message>
        <source>A click for each photon, and a tone whose pitch follows the probability</source>
        <translation>Cvaknutí za každý foton a tón, jehož výška sleduje pravděpodobnost</translation>
    </message>
    <message>
        <source>&amp;Hear it (no sound)</source>
        <translation>&amp;Poslech (bez zvuku)</translation>
    </message>
    <message>
        <source>Photons: %1</source>
        <translation>Fotonů: %1</translation>
    </message>
    <message>
        <source>Se&amp;nd photons</source>
        <translation>&amp;Vysílat fotony</translation>
    </message>
    <message>
        <source>Sends photons one at a time at the chosen rate, each landing where the probability sends it; press again to pause.</source>
        <translation>Vysílá fotony po jednom zvolenou rychlostí, každý dopadne, kam ho pošle pravděpodobnost; dalším stisknutím se vysílání pozastaví.</translation>
    </message>
    <message>
        <source>How many photons are sent each second.</source>
        <translation>Kolik fotonů se vyšle za sekundu.</translation>
    </message>
    <message>
        <source>Removes the photons that have landed.</source>
        <translation>Odstraní dopadlé fotony.</translation>
    </message>
</context>
<context>
    <name>veltrin::PhotonOverlay</name>
    <message>
        <source>%1: %2 of the photons, %3 of the brightest</source>
        <translation>%1: %2 fotonů, %3 nejjasnějšího bodu</translation>
    </message>
</context>
<context>
    <name>veltrin::PhotonPanel</name>
    <message>
        <source>P&amp;redict first</source>
        <translation>Nejdřív &amp;odhad</translation>
    </message>
    <message>
        <source>Re&amp;veal</source>
        <translation>O&amp;dhalit</translation>
    </message>
    <message>
        <source>Hide the map and mark where you expect the light: click, or move the detector with the arrow keys and press Enter</source>
        <translation>Skryje mapu; označte, kam podle vás dopadne světlo: klepnutím, nebo posuňte detektor šipkami a stiskněte Enter</translation>
    </message>
    <message>
        <source>Mark where you expect the light: click, or move the detector with the arrow keys and press Enter. Marks so far: %1. Then send photons, or Reveal.</source>
        <translation>Označte, kam podle vás dopadne světlo: klepnutím, nebo posuňte detektor šipkami a stiskněte Enter. Zatím značek: %1. Pak vyšlete fotony, nebo stiskněte Odhalit.</translation>
    </message>
    <message>
        <source>No photons have landed yet.</source>
        <translation>Zatím nedopadl žádný foton.</translation>
    </message>
    <message>
        <source>No photons: the map of this experiment is not in yet.</source>
        <translation>Žádné fotony: mapa tohoto pokusu ještě není spočtena.</translation>
    </message>
    <message>
        <source>above</source>
        <translation>nad</translation>
    </message>
    <message>
        <source>below</source>
        <translation>pod</translation>
    </message>
    <message>
        <source>Marks not yet revealed: %1.</source>
        <translation>Značky zatím neodhalené: %1.</translation>
    </message>
    <message>
        <source>Show m&amp;ap</source>
        <translation>Zobrazit m&amp;apu</translation>
    </message>
    <message>
        <source>Shows or hides the probability map beneath the photons.</source>
        <translation>Zobrazí nebo skryje mapu pravděpodobnosti pod fotony.</translation>
    </message>
    <message>
        <source>Shows the map after a prediction, to compare it with your marks.</source>
        <translation>Po odhadu ukáže mapu, abyste ji mohli porovnat se svými značkami.</translation>
    </message>
    <message>
        <source>Mark %1: x %2, y %3 twips; %4 of the photons within %5 twips; probability %6 of the brightest point.</source>
        <translation>Značka %1: x %2, y %3 twipů; %4 fotonů do %5 twipů; pravděpodobnost %6 nejjasnějšího bodu.</translation>
    </message>
    <message>
        <source>%1 photons have landed; they lie densest near %2 twips from the vertex line, %3 twips %4 the axis.</source>
        <translation>Dopadlo %1 fotonů; nejhustěji leží kolem bodu %2 twipů od tečny ve vrcholu, %3 twipů %4 osou.</translation>
    </message>
    <message>
        <source>Marks: %1; the latest:</source>
        <translation>Značek: %1; poslední:</translation>
    </message>
    <message>
        <source>%1 photons have landed; they lie densest near %2 twips behind the screen, %3 twips %4 the axis.</source>
        <translation>Dopadlo %1 fotonů; nejhustěji leží kolem bodu %2 twipů za stínítkem, %3 twipů %4 osou.</translation>
    </message>
</context>
<context>
    <name>veltrin::PhotonsCommand</name>
    <message>
        <source>Send photons into the experiment the bench&apos;s options describe, with no window; save where they land as comma-separated values and exit.</source>
        <translation>Vyšle fotony do pokusu, který popisují volby pracoviště, bez okna; uloží, kam dopadly, jako hodnoty oddělené čárkami (CSV) a skončí.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>SOUBOR.csv</translation>
    </message>
    <message>
        <source>With --save-hits: how many photons, from 1 to %1 (%2 unless given).</source>
        <translation>S --save-hits: kolik fotonů, od 1 do %1 (bez udání %2).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --save-hits: where the random numbers start, a whole number from 0 to %1 (%2 unless given); the same seed gives the same photons.</source>
        <translation>S --save-hits: kde začínají náhodná čísla, celé číslo od 0 do %1 (bez udání %2); stejné semínko dá stejné fotony.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>--photons %1 is not a whole number from 1 to %2</source>
        <translation>--photons %1 není celé číslo od 1 do %2</translation>
    </message>
    <message>
        <source>--seed %1 is not a whole number from 0 to %2</source>
        <translation>--seed %1 není celé číslo od 0 do %2</translation>
    </message>
</context>
<context>
    <name>veltrin::PicturePrinter</name>
    <message>
        <source>Veltrin, before any run</source>
        <translation>Veltrin, před prvním výpočtem</translation>
    </message>
    <message>
        <source>Run %1: K %2, %3</source>
        <translation>Výpočet %1: K %2, %3</translation>
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
        <translation>Žádné zvukové zařízení: zvuk zůstává vypnutý.</translation>
    </message>
    <message>
        <source>The sound device cannot play the program&apos;s sound: the sound stays off.</source>
        <translation>Zvukové zařízení neumí přehrát zvuk programu: zvuk zůstává vypnutý.</translation>
    </message>
    <message>
        <source>The sound device failed: the sound stays off.</source>
        <translation>Zvukové zařízení selhalo: zvuk zůstává vypnutý.</translation>
    </message>
</context>
<context>
    <name>veltrin::ProjectorView</name>
    <message>
        <source>Projector view</source>
        <translation>Zobrazení pro projektor</translation>
    </message>
</context>
<context>
    <name>veltrin::ScaleChoice</name>
    <message>
        <source>Each map&apos;s brightest point</source>
        <translation>Nejjasnější bod každé mapy</translation>
    </message>
    <message>
        <source>The whole parabola&apos;s focus</source>
        <translation>Ohnisko celé paraboly</translation>
    </message>
    <message>
        <source>A number</source>
        <translation>Zadané číslo</translation>
    </message>
    <message>
        <source>What the brightest colour stands for: each map&apos;s own brightest point; the focus of the whole parabola of this K in this light, so that maps of a cut mirror or of the circle show how much less light they gather; or a number you type.</source>
        <translation>Čemu odpovídá nejjasnější barva: vlastnímu nejjasnějšímu bodu každé mapy; ohnisku celé paraboly s tímto K v tomto světle, takže mapy ořezaného zrcadla nebo kružnice ukážou, o kolik méně světla soustředí; nebo číslu, které zadáte.</translation>
    </message>
    <message>
        <source>Top of the colour scale</source>
        <translation>Horní mez barevné stupnice</translation>
    </message>
    <message>
        <source>The probability the brightest colour stands for, in twips of bar; brighter points take the brightest colour too.</source>
        <translation>Pravděpodobnost ve twipech sloupce, které odpovídá nejjasnější barva; jasnější body mají také nejjasnější barvu.</translation>
    </message>
    <message>
        <source> twips</source>
        <translation> twipů</translation>
    </message>
    <message>
        <source>own peak</source>
        <translation>vlastní maximum</translation>
    </message>
    <message>
        <source>parabola&apos;s focus</source>
        <translation>ohnisko paraboly</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>zadaná</translation>
    </message>
    <message>
        <source>The colours go up to the map&apos;s own brightest point, %1 twips of bar.</source>
        <translation>Barvy sahají k vlastnímu nejjasnějšímu bodu mapy, %1 twipů sloupce.</translation>
    </message>
    <message>
        <source>The colours go up to the focus of the whole parabola of this K in this light, %1 twips of bar.</source>
        <translation>Barvy sahají k ohnisku celé paraboly s tímto K v tomto světle, %1 twipů sloupce.</translation>
    </message>
    <message>
        <source>The colours go up to %1 twips of bar, as typed.</source>
        <translation>Barvy sahají k zadaným %1 twipům sloupce.</translation>
    </message>
</context>
<context>
    <name>veltrin::ScanCommand</name>
    <message>
        <source>For the glass layer: compute its reflection and transmission against its thickness with no window, save them as comma-separated values and exit.</source>
        <translation>Pro skleněnou vrstvu: spočítat bez okna její odraz a propustnost v závislosti na tloušťce, uložit je jako hodnoty oddělené čárkami a skončit.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>SOUBOR.csv</translation>
    </message>
    <message>
        <source>For the glass layer: add every echo inside the layer to the two surfaces&apos; arrows.</source>
        <translation>Pro skleněnou vrstvu: přidat k šipkám obou povrchů každou ozvěnu uvnitř vrstvy.</translation>
    </message>
    <message>
        <source>For the glass layer: the thicknesses, twips, from FROM to TO in steps of STEP (thickness:%1:%2:%3 unless given).</source>
        <translation>Pro skleněnou vrstvu: tloušťky v twipech, od FROM do TO po krocích STEP (bez udání thickness:%1:%2:%3).</translation>
    </message>
    <message>
        <source>--white and --frequency or --wavenumber all name the light; give one of them</source>
        <translation>--white i --frequency nebo --wavenumber určují světlo; zadejte jen jedno z nich</translation>
    </message>
    <message>
        <source>--scan %1 is not thickness:FROM:TO:STEP with 0 ≤ FROM ≤ TO ≤ %2 twips and a STEP above 0 that makes at most %3 rows</source>
        <translation>--scan %1 není thickness:FROM:TO:STEP s 0 ≤ FROM ≤ TO ≤ %2 twipů a krokem STEP nad 0, který dá nejvýše %3 řádků</translation>
    </message>
    <message>
        <source>For the glass layer and the slits: white light, the bench&apos;s seven wavenumbers, instead of --frequency or --wavenumber.</source>
        <translation>Pro skleněnou vrstvu a štěrbiny: bílé světlo, sedm vlnových čísel stolu, místo --frequency nebo --wavenumber.</translation>
    </message>
</context>
<context>
    <name>veltrin::SettingsStore</name>
    <message>
        <source>veltrin: settings not kept, the defaults apply: %1: %2</source>
        <translation>veltrin: nastavení se neukládá, platí výchozí: %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>není obyčejný soubor</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>není soubor nastavení</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 bytes</source>
        <translation>soubor by přesáhl %1 bajtů</translation>
    </message>
</context>
<context>
    <name>veltrin::SetupActions</name>
    <message>
        <source>Veltrin setups (*.veltrin)</source>
        <translation>Nastavení Veltrinu (*.veltrin)</translation>
    </message>
    <message>
        <source>Set&amp;up</source>
        <translation>Nas&amp;tavení</translation>
    </message>
    <message>
        <source>&amp;Open setup…</source>
        <translation>&amp;Otevřít nastavení…</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Nedávná</translation>
    </message>
    <message>
        <source>&amp;Save setup…</source>
        <translation>&amp;Uložit nastavení…</translation>
    </message>
    <message>
        <source>&amp;Copy share code</source>
        <translation>&amp;Kopírovat kód ke sdílení</translation>
    </message>
    <message>
        <source>Open share co&amp;de…</source>
        <translation>Otevřít kó&amp;d ke sdílení…</translation>
    </message>
    <message>
        <source>The setup %1 could not be opened: %2.</source>
        <translation>Nastavení %1 nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>není to soubor</translation>
    </message>
    <message>
        <source>The share code could not be opened: %1.</source>
        <translation>Kód ke sdílení nelze otevřít: %1.</translation>
    </message>
    <message>
        <source>Open setup</source>
        <translation>Otevřít nastavení</translation>
    </message>
    <message>
        <source>Save setup</source>
        <translation>Uložit nastavení</translation>
    </message>
    <message>
        <source>The setup could not be saved in %1: %2.</source>
        <translation>Nastavení nelze uložit do %1: %2.</translation>
    </message>
    <message>
        <source>Open share code</source>
        <translation>Otevřít kód ke sdílení</translation>
    </message>
    <message>
        <source>Paste the share code:</source>
        <translation>Vložte kód ke sdílení:</translation>
    </message>
    <message>
        <source>No setups yet</source>
        <translation>Zatím žádná nastavení</translation>
    </message>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lekce</translation>
    </message>
    <message>
        <source>Open &amp;lesson…</source>
        <translation>Otevřít &amp;lekci ze souboru…</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Otevřít lekci</translation>
    </message>
    <message>
        <source>Veltrin lessons (*.%1)</source>
        <translation>Lekce Veltrinu (*.%1)</translation>
    </message>
    <message>
        <source>The lesson %1 could not be opened:
%2</source>
        <translation>Lekci %1 nelze otevřít:
%2</translation>
    </message>
</context>
<context>
    <name>veltrin::SetupCommand</name>
    <message>
        <source>Take the experiment, its photons and its detector from a setup file in place of their options: for the bench&apos;s files, or for the window, where the experiment bench opens with it. A setup file given as the only argument does the same.</source>
        <translation>Vzít pokus, jeho fotony a detektor ze souboru nastavení místo jejich voleb: pro soubory experimentálního stolu nebo pro okno, kde se s ním otevře experimentální stůl. Soubor nastavení zadaný jako jediný argument udělá totéž.</translation>
    </message>
    <message>
        <source>FILE.veltrin</source>
        <translation>SOUBOR.veltrin</translation>
    </message>
    <message>
        <source>Save the setup the other options describe, with no window, and exit; with --save-map or --save-hits, together with them.</source>
        <translation>Uložit nastavení popsané ostatními volbami, bez okna, a skončit; s --save-map nebo --save-hits spolu s nimi.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 nelze přečíst: %2</translation>
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
        <translation>„%1“ není číslo od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither true nor false</source>
        <translation>„%1“ není ani true, ani false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a point [x, y]</source>
        <translation>„%1“ není bod [x, y]</translation>
    </message>
    <message>
        <source>&quot;cut&quot; is not a list of kept strips [from, to]</source>
        <translation>„cut“ není seznam ponechaných pruhů [od, do]</translation>
    </message>
    <message>
        <source>&quot;cut&quot; %1 is none of the mirror&apos;s presets</source>
        <translation>„cut“ %1 není žádná z předvoleb zrcadla</translation>
    </message>
    <message>
        <source>&quot;source&quot; is neither &quot;beam&quot; nor a point [x, y]</source>
        <translation>„source“ není ani „beam“, ani bod [x, y]</translation>
    </message>
    <message>
        <source>&quot;experiment&quot; %1 is none of the experiments</source>
        <translation>„experiment“ %1 není žádný z pokusů</translation>
    </message>
    <message>
        <source>&quot;shape&quot; is neither &quot;parabola&quot; nor &quot;circle&quot;</source>
        <translation>„shape“ není ani „parabola“, ani „circle“</translation>
    </message>
    <message>
        <source>&quot;window&quot; is not a stretch [from, to] of the boundary</source>
        <translation>„window“ není úsek [od, do] rozhraní</translation>
    </message>
    <message>
        <source>the lens needs a point source</source>
        <translation>čočka potřebuje bodový zdroj</translation>
    </message>
    <message>
        <source>this is not a Veltrin setup</source>
        <translation>toto není nastavení Veltrinu</translation>
    </message>
    <message>
        <source>the setup names no version of its format</source>
        <translation>nastavení neuvádí verzi svého formátu</translation>
    </message>
    <message>
        <source>the setup is of a newer version (%1) than this Veltrin reads (%2)</source>
        <translation>nastavení je novější verze (%1), než jakou tento Veltrin čte (%2)</translation>
    </message>
    <message>
        <source>more than %1 predictions</source>
        <translation>více než %1 odhadů</translation>
    </message>
    <message>
        <source>the setup is larger than %1 bytes</source>
        <translation>nastavení je větší než %1 bajtů</translation>
    </message>
    <message>
        <source>the setup is not readable JSON: %1 at byte %2</source>
        <translation>nastavení není čitelný JSON: %1 na bajtu %2</translation>
    </message>
    <message>
        <source>the share code is not whole: copy it again</source>
        <translation>kód ke sdílení není celý: zkopírujte ho znovu</translation>
    </message>
    <message>
        <source>&quot;slits&quot; is not a whole number</source>
        <translation>„slits“ není celé číslo</translation>
    </message>
    <message>
        <source>the slits overlap or do not fit on the screen</source>
        <translation>štěrbiny se překrývají nebo se nevejdou na stínítko</translation>
    </message>
</context>
<context>
    <name>veltrin::ShareActions</name>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Uložit obrázek…</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Kopírovat obrázek</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Tisk…</translation>
    </message>
    <message>
        <source>Save p&amp;robabilities…</source>
        <translation>Uložit p&amp;ravděpodobnosti…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;About Veltrin</source>
        <translation>&amp;O programu Veltrin</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Obrázek nelze uložit jako %1:
%2</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Tisk obrázku</translation>
    </message>
    <message>
        <source>The picture could not be printed on %1.</source>
        <translation>Obrázek nelze vytisknout na %1.</translation>
    </message>
    <message>
        <source>Save probabilities</source>
        <translation>Uložit pravděpodobnosti</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Hodnoty oddělené čárkami (*.csv)</translation>
    </message>
    <message>
        <source>The probabilities could not be saved as %1:
%2</source>
        <translation>Pravděpodobnosti nelze uložit jako %1:
%2</translation>
    </message>
    <message>
        <source>About Veltrin</source>
        <translation>O programu Veltrin</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Veltrin %1&lt;/h3&gt;&lt;p&gt;How a parabolic mirror gathers light, told with the arrows of quantum electrodynamics.&lt;/p&gt;&lt;p&gt;Veltrin is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Made with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Veltrin %1&lt;/h3&gt;&lt;p&gt;Jak parabolické zrcadlo soustředí světlo, vyprávěno šipkami kvantové elektrodynamiky.&lt;/p&gt;&lt;p&gt;Veltrin je svobodný software: smíte jej šířit a upravovat za podmínek licence GNU General Public License, verze 3 nebo (podle vaší volby) kterékoli pozdější verze (GPL-3.0-or-later). Je poskytován bez jakékoli záruky.&lt;/p&gt;&lt;p&gt;Vytvořeno s Qt %2, běží na Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Experiment bench…</source>
        <translation>&amp;Experimentální stůl…</translation>
    </message>
    <message>
        <source>PNG figure (*.png)</source>
        <translation>Obrázek PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG figure (*.svg)</source>
        <translation>Vektorový obrázek SVG (*.svg)</translation>
    </message>
    <message>
        <source>Window picture, PNG (*.png)</source>
        <translation>Obraz okna, PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>veltrin::SlitHistogram</name>
    <message>
        <source>Photons along the detector&apos;s line</source>
        <translation>Fotony podél přímky detektoru</translation>
    </message>
    <message>
        <source>Photons near x %1 twips</source>
        <translation>Fotony u x %1 twipů</translation>
    </message>
    <message>
        <source>No map yet: no photons counted along the detector&apos;s line.</source>
        <translation>Mapa ještě není: podél přímky detektoru se nepočítají žádné fotony.</translation>
    </message>
    <message>
        <source>Photons landing between x %1 and %2 twips, counted every %3 twips along y, with the map&apos;s probability along the line drawn over them.</source>
        <translation>Fotony dopadající mezi x %1 a %2 twipů, počítané po %3 twipech podél y, přes ně nakreslená pravděpodobnost mapy podél přímky.</translation>
    </message>
    <message>
        <source>No photon has landed there yet.</source>
        <translation>Zatím tam nedopadl žádný foton.</translation>
    </message>
    <message>
        <source>Photons there: %1, the most at y %2 twips.</source>
        <translation>Fotonů tam: %1, nejvíce u y %2 twipů.</translation>
    </message>
</context>
<context>
    <name>veltrin::SlitSpotPlot</name>
    <message>
        <source>One slit&apos;s spot against its width</source>
        <translation>Skvrna jedné štěrbiny podle její šířky</translation>
    </message>
    <message>
        <source>slit width, twips; dashed: the map&apos;s height</source>
        <translation>šířka štěrbiny, twipy; čárkovaně: výška mapy</translation>
    </message>
</context>
<context>
    <name>veltrin::SlitsCommand</name>
    <message>
        <source>For the slits: how many, from 1 to %1, in a screen along the map&apos;s left edge, centred on the axis.</source>
        <translation>Pro štěrbiny: kolik jich je, od 1 do %1, ve stínítku podél levého okraje mapy, se středem na ose.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>For the slits: each slit&apos;s width, from %1 to %2 twips.</source>
        <translation>Pro štěrbiny: šířka každé štěrbiny, od %1 do %2 twipů.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>For two slits or more: from one slit&apos;s middle to the next one&apos;s, twips, more than the width; all of them within the screen&apos;s %1 twips.</source>
        <translation>Pro dvě a více štěrbin: vzdálenost od středu jedné štěrbiny ke středu další, v twipech, větší než šířka; všechny uvnitř %1 twipů stínítka.</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>For the slits: mark which slit the light passes, so that the arrows of different slits no longer add.</source>
        <translation>Pro štěrbiny: označit, kterou štěrbinou světlo prošlo, takže se šipky různých štěrbin už nesčítají.</translation>
    </message>
    <message>
        <source>For the slits with --which-path: erase the marks before the light is detected.</source>
        <translation>Pro štěrbiny s --which-path: smazat značky dříve, než je světlo zachyceno.</translation>
    </message>
    <message>
        <source>--eraser erases the marks that --which-path puts on the light; give both</source>
        <translation>--eraser maže značky, které na světlo dává --which-path; zadejte obojí</translation>
    </message>
    <message>
        <source>the slits experiment needs --slits N and --width W</source>
        <translation>pokus se štěrbinami potřebuje --slits N a --width W</translation>
    </message>
    <message>
        <source>--slits %1 is not a whole number from 1 to %2</source>
        <translation>--slits %1 není celé číslo od 1 do %2</translation>
    </message>
    <message>
        <source>--width %1 is not a number from %2 to %3 twips</source>
        <translation>--width %1 není číslo od %2 do %3 twipů</translation>
    </message>
    <message>
        <source>--separation %1 is not a number of twips</source>
        <translation>--separation %1 není počet twipů</translation>
    </message>
    <message>
        <source>--separation is for two slits or more; one slit has none</source>
        <translation>--separation je pro dvě a více štěrbin; jedna štěrbina žádnou nemá</translation>
    </message>
    <message>
        <source>--slits %1 needs --separation D, from one slit&apos;s middle to the next one&apos;s</source>
        <translation>--slits %1 potřebuje --separation D, vzdálenost od středu jedné štěrbiny ke středu další</translation>
    </message>
    <message>
        <source>--separation %1 is not more than --width %2: the slits would overlap</source>
        <translation>--separation %1 není větší než --width %2: štěrbiny by se překrývaly</translation>
    </message>
    <message>
        <source>%1 slits %2 twips apart span %3 twips; the screen is %4 high</source>
        <translation>Štěrbiny (%1) ve vzdálenosti %2 twipů zabírají %3 twipů; stínítko je vysoké %4</translation>
    </message>
    <message>
        <source>--source %1 is none of the slits&apos; sources; choose beam or point:X,Y with X from %2 to less than 0, before the screen, and Y from %3 to %4</source>
        <translation>--source %1 není žádný ze zdrojů pro štěrbiny; zvolte beam nebo point:X,Y s X od %2 do méně než 0, před stínítkem, a Y od %3 do %4</translation>
    </message>
    <message>
        <source>--white and --frequency or --wavenumber all name the light; give one of them</source>
        <translation>--white i --frequency nebo --wavenumber určují světlo; zadejte jen jedno z nich</translation>
    </message>
</context>
<context>
    <name>veltrin::StationPage</name>
    <message>
        <source>For the teacher</source>
        <translation>Pro učitele</translation>
    </message>
    <message>
        <source>This station has no notes for the teacher.</source>
        <translation>Toto stanoviště nemá poznámky pro učitele.</translation>
    </message>
    <message>
        <source>Your prediction</source>
        <translation>Tvá předpověď</translation>
    </message>
    <message>
        <source>Your &amp;value:</source>
        <translation>Tvá &amp;hodnota:</translation>
    </message>
    <message>
        <source>Your predicted value</source>
        <translation>Tvá předpovězená hodnota</translation>
    </message>
    <message>
        <source>&amp;Commit</source>
        <translation>&amp;Potvrdit</translation>
    </message>
    <message>
        <source>Keeps your prediction for good; then the bench shows the answer.</source>
        <translation>Potvrdí tvou předpověď natrvalo; pak experimentální stůl ukáže odpověď.</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Pozoruj</translation>
    </message>
    <message>
        <source>Commit your prediction first.</source>
        <translation>Nejdřív potvrď svou předpověď.</translation>
    </message>
    <message>
        <source>&amp;Reveal on the bench</source>
        <translation>&amp;Odhalit na stole</translation>
    </message>
    <message>
        <source>Shows the bench&apos;s map, to compare it with your prediction.</source>
        <translation>Ukáže mapu experimentálního stolu, abys ji porovnal se svou předpovědí.</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Vysvětli</translation>
    </message>
    <message>
        <source>&amp;Your explanation:</source>
        <translation>&amp;Tvé vysvětlení:</translation>
    </message>
    <message>
        <source>Your explanation</source>
        <translation>Tvé vysvětlení</translation>
    </message>
    <message>
        <source>Find out on the bench</source>
        <translation>Zjisti na stole</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tvá odpověď</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>Odpo&amp;věď:</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>Zkont&amp;rolovat</translation>
    </message>
    <message>
        <source>Think again</source>
        <translation>Zamysli se znovu</translation>
    </message>
    <message>
        <source>Your ch&amp;oice:</source>
        <translation>Tvá vo&amp;lba:</translation>
    </message>
    <message>
        <source>Mark on the bench&apos;s map where you expect the light: click, or move the detector with the arrow keys and press Enter.</source>
        <translation>Označ na mapě experimentálního stolu, kde čekáš světlo: klepni, nebo posuň detektor šipkami a stiskni Enter.</translation>
    </message>
    <message>
        <source>Marks on the map: %1.</source>
        <translation>Značky na mapě: %1.</translation>
    </message>
    <message>
        <source>Type a number, such as %1.</source>
        <translation>Napiš číslo, například %1.</translation>
    </message>
    <message>
        <source>Committed: %1</source>
        <translation>Potvrzeno: %1</translation>
    </message>
    <message>
        <source>Right: within %1 of the answer.</source>
        <translation>Správně: nejvýš %1 od odpovědi.</translation>
    </message>
    <message>
        <source>Not right yet: more than %1 from the answer. Look again on the bench.</source>
        <translation>Zatím nesprávně: víc než %1 od odpovědi. Podívej se znovu na stůl.</translation>
    </message>
    <message>
        <source>Tries: %1.</source>
        <translation>Pokusy: %1.</translation>
    </message>
</context>
<context>
    <name>veltrin::StripLegend</name>
    <message>
        <source>Mirror strip:</source>
        <translation>Proužek zrcadla:</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>ponecháno</translation>
    </message>
    <message>
        <source>cut away</source>
        <translation>odříznuto</translation>
    </message>
    <message>
        <source>Key to the mirror strip</source>
        <translation>Legenda k proužku zrcadla</translation>
    </message>
    <message>
        <source>On the strip beside the map, the bright strips of the mirror are kept and the dark ones cut away.</source>
        <translation>Na proužku vedle mapy jsou světlé pruhy zrcadla ponechané a tmavé odříznuté.</translation>
    </message>
</context>
<context>
    <name>veltrin::WholeFile</name>
    <message>
        <source>not a regular file</source>
        <translation>není obyčejný soubor</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>žádný program z něj nečte</translation>
    </message>
    <message>
        <source>the program reading it has stopped taking the data</source>
        <translation>program, který z něj čte, přestal data přebírat</translation>
    </message>
    <message>
        <source>the standard output is closed</source>
        <translation>standardní výstup je zavřený</translation>
    </message>
    <message>
        <source>the save was abandoned as its window closed</source>
        <translation>ukládání bylo přerušeno, protože se jeho okno zavřelo</translation>
    </message>
</context>
</TS>
