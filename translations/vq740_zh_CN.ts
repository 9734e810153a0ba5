<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Language</name>
    <message>
        <location filename="../model/texts.cpp" line="134"/>
        <source>English</source>
        <comment>the name of this language, in this language</comment>
        <translation>中文</translation>
    </message>
</context>
</TS>
