<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>LangDialogs</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Beëindigen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Beëindigen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Negeren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;No To All</source>
        <translation>&amp;Nee op alles</translation>
    </message>
    <message>
        <source>Yes To A&amp;ll</source>
        <translation>&amp;Ja op alles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestig</translation>
    </message>
</context>
</TS>
