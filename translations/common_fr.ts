<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>LangDialogs</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Négliger</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;No To All</source>
        <translation>&amp;Tout Non</translation>
    </message>
    <message>
        <source>Yes To A&amp;ll</source>
        <translation>T&amp;out Oui</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;L`aide</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
</TS>
