<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>
