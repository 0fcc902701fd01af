<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vantorim::garbage</name>
    <message>
        <source>the file changed while it was compared</source>
        <translation>die Datei hat sich während des Vergleichs geändert</translation>
    </message>
    <message>
        <source>the file no longer exists</source>
        <translation>die Datei existiert nicht mehr</translation>
    </message>
    <message>
        <source>the file changed since it was compared</source>
        <translation>die Datei wurde seit dem Vergleich geändert</translation>
    </message>
    <message>
        <source>inside a protected system folder</source>
        <translation>liegt in einem geschützten Systemverzeichnis</translation>
    </message>
    <message>
        <source>the kept file of its group is gone or changed</source>
        <translation>die behaltene Datei der Gruppe fehlt oder wurde geändert</translation>
    </message>
    <message>
        <source>no longer a folder</source>
        <translation>kein Verzeichnis mehr</translation>
    </message>
    <message>
        <source>the folder is no longer empty</source>
        <translation>das Verzeichnis ist nicht mehr leer</translation>
    </message>
    <message>
        <source>the scratch file could not be written</source>
        <translation>die Zwischenspeicherdatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the reduced file could not be written</source>
        <translation>die verkleinerte Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
</TS>
