<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BVColorControl</name>
    <message>
        <source>Foreground and background colors</source>
        <translation>Vorder- und Hintergrundfarbe</translation>
    </message>
</context>
<context>
    <name>BVColorWheel</name>
    <message>
        <source>hue %1°, saturation %2%, lightness %3%, %4</source>
        <translation>Farbton %1°, Sättigung %2 %, Helligkeit %3 %, %4</translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation>Farbrad</translation>
    </message>
    <message>
        <source>Hue marker</source>
        <translation>Farbtonmarke</translation>
    </message>
    <message>
        <source>Saturation and lightness marker</source>
        <translation>Marke für Sättigung und Helligkeit</translation>
    </message>
</context>
<context>
    <name>BVColorWidget</name>
    <message>
        <source>Color panel</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
</context>
<context>
    <name>BVSpinBox</name>
    <message>
        <source>Show slider</source>
        <translation>Schieberegler zeigen</translation>
    </message>
</context>
<context>
    <name>BVSplitter</name>
    <message>
        <source>Splitter</source>
        <translation>Teiler</translation>
    </message>
</context>
<context>
    <name>ColorControl</name>
    <message>
        <source>ColorControl</source>
        <translation>Farbsteuerung</translation>
    </message>
    <message>
        <source>Foreground color</source>
        <translation>Vordergrundfarbe</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Reset to default (D)</source>
        <translation>Auf Standard zurücksetzen (D)</translation>
    </message>
    <message>
        <source>Swap colors (X)</source>
        <translation>Farben tauschen (X)</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Farben zurücksetzen</translation>
    </message>
    <message>
        <source>Swap colors</source>
        <translation>Farben tauschen</translation>
    </message>
</context>
<context>
    <name>ColorWidget</name>
    <message>
        <source>Color widget</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>HSL</source>
        <translation>HSL</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>\#HHH</source>
        <translation>\#HHH</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Previous colors:</source>
        <translation>Letzte Farben:</translation>
    </message>
    <message>
        <source>Picked color</source>
        <translation>Aufgenommene Farbe</translation>
    </message>
    <message>
        <source>Color space</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>Hexadecimal color</source>
        <translation>Hexadezimale Farbe</translation>
    </message>
    <message>
        <source>Recent color %1</source>
        <translation>Letzte Farbe %1</translation>
    </message>
</context>
<context>
    <name>HSLColorEditor</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>RGBColorEditor</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
</context>
<context>
    <name>RGBWEBColorEditor</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
</context>
</TS>
