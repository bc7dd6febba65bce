<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>打印测量尺寸表</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
