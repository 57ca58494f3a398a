<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vantor::Form1</name>
    <message numerus="yes">
        <source>%n options set</source>
        <translation>
            <numerusform>%n option set</numerusform>
            <numerusform>%n options set</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n lines not used</source>
        <translation>
            <numerusform>, %n line not used</numerusform>
            <numerusform>, %n lines not used</numerusform>
        </translation>
    </message>
</context>
</TS>
