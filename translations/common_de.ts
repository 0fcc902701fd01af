<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>LangDialogs</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;No To All</source>
        <translation>&amp;Alle Nein</translation>
    </message>
    <message>
        <source>Yes To A&amp;ll</source>
        <translation>A&amp;lle Ja</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>TFormSprache</name>
    <message>
        <source>Show at each start of program</source>
        <translation>bei jedem Start anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The language could not be saved for the next start: %1</source>
        <translation>Die Sprache konnte für den nächsten Start nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The settings file was damaged. It has been kept as %1; the default settings apply.</source>
        <translation>Die Einstellungsdatei war beschädigt. Sie wurde als %1 aufbewahrt; es gelten die Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>Allgemein</name>
    <message>
        <source>Select Directory</source>
        <translation>Verzeichnis auswählen</translation>
    </message>
    <message>
        <source>Please select the destination directory:</source>
        <translation>Bitte wählen Sie das gewünschte Zielverzeichnis aus:</translation>
    </message>
    <message>
        <source>Selection of a destination directory</source>
        <translation>Auswahl eines Zielverzeichnisses</translation>
    </message>
</context>
</TS>
