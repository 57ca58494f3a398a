<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SetupCheck</name>
    <message numerus="yes">
        <source>Half-Life will not start: %n thing(s) stop it.</source>
        <translation>
            <numerusform>Half-Life will not start: %n thing stops it.</numerusform>
            <numerusform>Half-Life will not start: %n things stop it.</numerusform>
        </translation>
    </message>
</context>
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
