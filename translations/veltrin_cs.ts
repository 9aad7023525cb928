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
</TS>
