<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- A third language as a translator would add it, with two texts translated: the tests build it
     into tst_language_list beside the program's own. -->
<TS version="2.1" language="de" sourcelanguage="el">
<context>
    <name>Languages</name>
    <message>
        <source>Ελληνικά</source>
        <comment>the name of this translation&apos;s language, in it</comment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>frm_dalvo</name>
    <message>
        <source>Συχνότητα:</source>
        <translation>Frequenz:</translation>
    </message>
</context>
</TS>
