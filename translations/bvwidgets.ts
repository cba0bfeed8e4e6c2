<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>BVColorControl</name>
    <message>
        <source>Foreground and background colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BVColorWheel</name>
    <message>
        <source>hue %1°, saturation %2%, lightness %3%, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation and lightness marker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BVColorWidget</name>
    <message>
        <source>Color panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BVSpinBox</name>
    <message>
        <source>Show slider</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BVSplitter</name>
    <message>
        <source>Splitter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorControl</name>
    <message>
        <source>ColorControl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreground color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to default (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap colors (X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorWidget</name>
    <message>
        <source>Color widget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>\#HHH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous colors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picked color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent color %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HSLColorEditor</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RGBColorEditor</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RGBWEBColorEditor</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
