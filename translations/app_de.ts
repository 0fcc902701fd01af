<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TFormHaupt</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Sprache auswählen</translation>
    </message>
    <message>
        <source>Uninstall Program</source>
        <translation>Programm deinstallieren</translation>
    </message>
    <message>
        <source>Quit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Info ...</source>
        <translation>Info ...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>New Text Document.txt</source>
        <translation>Neues Textdokument.txt</translation>
    </message>
    <message>
        <source>Name of the new folder:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>Name of the new file:</source>
        <translation>Name der neuen Datei:</translation>
    </message>
    <message>
        <source>The folder could not be created.</source>
        <translation>Der Ordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>Die Datei konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Single view</source>
        <translation>Einzelansicht</translation>
    </message>
    <message>
        <source>Double view</source>
        <translation>Doppelansicht</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Betrachter</translation>
    </message>
    <message>
        <source>Folder statistic</source>
        <translation>Verzeichnisstatistik</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Rename Files</source>
        <translation>Dateien umbenennen</translation>
    </message>
    <message>
        <source>Rename Folders</source>
        <translation>Verzeichnisse umbenennen</translation>
    </message>
    <message>
        <source>Change Attributes</source>
        <translation>Attribute ändern</translation>
    </message>
    <message>
        <source>Sort Files</source>
        <translation>Dateien sortieren</translation>
    </message>
    <message>
        <source>Sort Folder</source>
        <translation>Verzeichnisse sortieren</translation>
    </message>
    <message>
        <source>Mark All Files</source>
        <translation>Alle Dateien markieren</translation>
    </message>
    <message>
        <source>Mark All Folders</source>
        <translation>Alle Verzeichnisse markieren</translation>
    </message>
    <message>
        <source>Undo: </source>
        <translation>Rückgängig: </translation>
    </message>
    <message>
        <source>&amp;Undo: Rename</source>
        <translation>&amp;Rückgängig: Umbenennen</translation>
    </message>
    <message>
        <source>Reestablish old names</source>
        <translation>Alte Namen wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo: Sort</source>
        <translation>&amp;Rückgängig: Sortieren</translation>
    </message>
    <message>
        <source>Move files back to their starting location</source>
        <translation>Dateien wieder an ihren ursprünglichen Platz verschieben</translation>
    </message>
    <message>
        <source>&amp;Undo: Change Attributes</source>
        <translation>&amp;Rückgängig: Attribute ändern</translation>
    </message>
    <message>
        <source>Reestablish old attributes</source>
        <translation>Alte Attribute wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo: Move</source>
        <translation>&amp;Rückgängig: Verschieben</translation>
    </message>
    <message>
        <source>Undo last moving event.</source>
        <translation>Letzten Verschiebungsvorgang wiederrufen.</translation>
    </message>
    <message>
        <source>Computer Info</source>
        <translation>Computer Info</translation>
    </message>
    <message>
        <source>File Info</source>
        <translation>Datei Info</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Data Garbage</source>
        <translation>Daten Müll</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serien</translation>
    </message>
    <message>
        <source>Foldertrees</source>
        <translation>Verzeichnisbäume</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>This tool is not available yet.</source>
        <translation>Dieses Werkzeug ist noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>This function is not available yet.</source>
        <translation>Diese Funktion ist noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>The help file could not be found:</source>
        <translation>Die Hilfedatei wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>Do you really want to quit the program ?</source>
        <translation>Möchten Sie das Programm wirklich beenden ?</translation>
    </message>
</context>
<context>
    <name>ExplorerPane</name>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <source>Small icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturansichten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Number: </source>
        <translation>Anzahl: </translation>
    </message>
    <message>
        <source>Marked: </source>
        <translation>Markiert: </translation>
    </message>
    <message>
        <source>The item could not be renamed:</source>
        <translation>Das Element konnte nicht umbenannt werden:</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Folders can only be moved.</source>
        <translation>Ordner können nur verschoben werden.</translation>
    </message>
    <message>
        <source>Do you want to move &quot;%1&quot; to the trash?</source>
        <translation>Möchten Sie &quot;%1&quot; in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Möchten Sie diese %1 Elemente in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>versteckt</translation>
    </message>
    <message>
        <source>system</source>
        <translation>System</translation>
    </message>
    <message>
        <source>archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>Ordner: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Größe: </translation>
    </message>
    <message>
        <source>Modified: </source>
        <translation>Geändert: </translation>
    </message>
    <message>
        <source>Attributes: </source>
        <translation>Attribute: </translation>
    </message>
</context>
<context>
    <name>SearchResultList</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>Im Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Möchten Sie diese %1 Elemente in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>It isn`t possible to create shortcuts here.&#xd;&#xa;Do you want to create shortcuts on the desktop instead ?</source>
        <translation>Es ist nicht möglich hier eine Verknüpfung anzulegen.&#xd;&#xa;Möchten Sie stattdessen auf dem Desktop Verknüpfungen anlegen ?</translation>
    </message>
    <message>
        <source>Shortcut to</source>
        <translation>Verknüpfung zu</translation>
    </message>
    <message>
        <source>Shortcut (%d) to</source>
        <translation>Verknüpfung (%d) zu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>&amp;Verknüpfung erstellen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schliessen</translation>
    </message>
</context>
</TS>
