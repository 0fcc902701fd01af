<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TFileRename</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>TTF</source>
        <translation>TTF</translation>
    </message>
    <message>
        <source>Rename files</source>
        <translation>Dateien umbenennen</translation>
    </message>
    <message>
        <source>and move to destination directory</source>
        <translation>und in Zielverzeichnis verschieben</translation>
    </message>
    <message>
        <source>and copy to destination directory</source>
        <translation>und in Zielverzeichnis kopieren</translation>
    </message>
    <message>
        <source>Destination Directory</source>
        <translation>Zielverzeichnis</translation>
    </message>
    <message>
        <source>Set destination directory. Please click !!!</source>
        <translation>Zielverzeichnis festlegen. Bitte klicken !!!</translation>
    </message>
    <message>
        <source>Search Directories Recursive</source>
        <translation>Verzeichnisse rekursiv durchsuchen</translation>
    </message>
    <message>
        <source>Here you can choose whether to search the sub-directories as well</source>
        <translation>Hier können Sie festlegen ob auch die Unterverzeichnisse durchsucht werden sollen</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Logical Sorting</source>
        <translation>Logische Sortierung</translation>
    </message>
    <message>
        <source>Logical sorting after the first number within the file name.</source>
        <translation>Logische Sortierung nach erster im Dateinamen vorkommender Zahl.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Selection of a destination directory</source>
        <translation>Auswahl eines Zielverzeichnisses</translation>
    </message>
    <message>
        <source>To call the dialog for the selection of a destination directory
please click once with the left mouse button into this field.</source>
        <translation>Um den Dialog für die Auswahl eines Zielverzeichnisses aufzurufen
klicken Sie bitte einmal mit der linken Maustaste in dieses Feld.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Here you can choose the desired criterion</source>
        <translation>Hier können Sie das gewünschte Kriterium auswählen</translation>
    </message>
    <message>
        <source>Number Index</source>
        <translation>Zahlenindex</translation>
    </message>
    <message>
        <source>Character Index</source>
        <translation>Buchstabenindex</translation>
    </message>
    <message>
        <source>Complete Existing Filename</source>
        <translation>Bestehenden Datei-Namen ergänzen</translation>
    </message>
    <message>
        <source>Replace Symbol Series</source>
        <translation>Zeichen(-kette) ersetzen</translation>
    </message>
    <message>
        <source>Insert Symbol Series</source>
        <translation>Zeichen(-kette) einsetzen</translation>
    </message>
    <message>
        <source>Cut Out Symbol Series</source>
        <translation>Zeichen(-kette) ausschneiden</translation>
    </message>
    <message>
        <source>Upper/Lower Case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Shorten Existing Filename</source>
        <translation>bestehenden Dateinamen kürzen</translation>
    </message>
    <message>
        <source>Change File Extension</source>
        <translation>Dateiendung verändern</translation>
    </message>
    <message>
        <source>Date / Time</source>
        <translation>Datum / Zeit</translation>
    </message>
    <message>
        <source>External Renaming Function</source>
        <translation>Externe Umbenennungsfunktion</translation>
    </message>
    <message>
        <source>Main Name</source>
        <translation>Stammname</translation>
    </message>
    <message>
        <source>Here you can enter the main name of the files to be renamed</source>
        <translation>Hier kann der Stammname der umzubenennenden Dateien eingegeben werden</translation>
    </message>
    <message>
        <source>Number Of Positions</source>
        <translation>Stellenanzahl</translation>
    </message>
    <message>
        <source>Number of positions (1-9)</source>
        <translation>Stellenanzahl der Nummerierung (1-9)</translation>
    </message>
    <message>
        <source>Startvalue Decimal</source>
        <translation>Startwert Dezimal</translation>
    </message>
    <message>
        <source>Startvalue</source>
        <translation>Startwert bei Zahlenendung</translation>
    </message>
    <message>
        <source>Increment</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Startvalue Characters</source>
        <translation>Startwert Buchstaben</translation>
    </message>
    <message>
        <source>Number of characters must match the number of positions</source>
        <translation>Anzahl der Buchstaben muss Stellenanzahl entsprechen</translation>
    </message>
    <message>
        <source>Set startvalue to preselected value</source>
        <translation>Startwert auf voreingestellten Wert setzen</translation>
    </message>
    <message>
        <source>Set startvalue to last number ending +1</source>
        <translation>Startwert auf zuletzt verwendete Zahlenendung +1 setzen</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>weitere Einstellungsmöglichkeiten</translation>
    </message>
    <message>
        <source>File Extension:</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>Do Not Change</source>
        <translation>nicht verändern</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>in Großbuchstaben umwandeln</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>in Kleinbuchstaben umwandeln</translation>
    </message>
    <message>
        <source>Insert Index</source>
        <translation>Index am</translation>
    </message>
    <message>
        <source>At The End</source>
        <translation>Ende einfügen</translation>
    </message>
    <message>
        <source>At The Beginning</source>
        <translation>Anfang einfügen</translation>
    </message>
    <message>
        <source>Existing Filenames</source>
        <translation>bestehende Dateinamen</translation>
    </message>
    <message>
        <source>Main Name + Existing Filename</source>
        <translation>Stammname + bestehender Dateiname</translation>
    </message>
    <message>
        <source>Number Index + Existing Filename</source>
        <translation>Zahlenindex + bestehender Dateiname</translation>
    </message>
    <message>
        <source>Symbol Series</source>
        <translation>Zeichenkette</translation>
    </message>
    <message>
        <source>Here you can enter the symbol series to be replaced.</source>
        <translation>Hier können Sie die Zeichenkette eingeben die ersetzt werden soll.</translation>
    </message>
    <message>
        <source>Replace Through</source>
        <translation>ersetzen durch</translation>
    </message>
    <message>
        <source>Here you can enter the new symbol series.</source>
        <translation>Hier können Sie die neue Zeichenkette eingeben.</translation>
    </message>
    <message>
        <source>Sign Series To Be Inserted</source>
        <translation>Einzufügende Zeichenkette</translation>
    </message>
    <message>
        <source>Here you can insert the sign series which shall be inserted into the filenames.</source>
        <translation>Hier können Sie die Zeichenkette eingeben die in die Dateinamen eingefügt werden soll.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Position where the sign series shall be inserted.</source>
        <translation>Position an der die Zeichenkette eingefügt werden soll.</translation>
    </message>
    <message>
        <source>Position From The</source>
        <translation>Position vom</translation>
    </message>
    <message>
        <source>Beginning Of The Filenames</source>
        <translation>Anfang der Dateinamen</translation>
    </message>
    <message>
        <source>End Of The Filenames</source>
        <translation>Ende der Dateinamen</translation>
    </message>
    <message>
        <source>Number Of Signs To Be Removed</source>
        <translation>Anzahl der zu entfernenden Zeichen</translation>
    </message>
    <message>
        <source>Position where the signs shall be removed</source>
        <translation>Position an der die Zeichen entfernt werden sollen</translation>
    </message>
    <message>
        <source>Here you can choose which modification shall be undertaken</source>
        <translation>Hier können Sie auswählen welche Veränderung vorgenommen werden soll</translation>
    </message>
    <message>
        <source>Capitalize</source>
        <translation>Anfangsbuchstabe groß</translation>
    </message>
    <message>
        <source>Upper Word Beginnings</source>
        <translation>Wortanfänge groß</translation>
    </message>
    <message>
        <source>Invert Cases</source>
        <translation>vertauschen</translation>
    </message>
    <message>
        <source>Employ To</source>
        <translation>anwenden auf</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>beides</translation>
    </message>
    <message>
        <source>Number of digits which shall be removed from the filenames</source>
        <translation>Anzahl der Stellen um die die Dateinamen gekürzt werden sollen</translation>
    </message>
    <message>
        <source>Here you can adjust the number of digits which shall be removed from the filenames</source>
        <translation>Hier können Sie einstellen um wieviele Stellen die Dateinamen gekürzt werden sollen</translation>
    </message>
    <message>
        <source>Remove Digits From The</source>
        <translation>Stellen vom</translation>
    </message>
    <message>
        <source>Filenames</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Shorten</source>
        <translation>kürzen</translation>
    </message>
    <message>
        <source>Shorten to x signs</source>
        <translation>kürzen auf x Stellen</translation>
    </message>
    <message>
        <source>Convert to 8.3 - Format</source>
        <translation>auf 8.3 - Format bringen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name+Ending</source>
        <translation>Name+Endung</translation>
    </message>
    <message>
        <source>Old File Extension</source>
        <translation>Alte Dateiendung</translation>
    </message>
    <message>
        <source>New File Extension</source>
        <translation>Neue Dateiendung</translation>
    </message>
    <message>
        <source>Change file extension of all marked files</source>
        <translation>Endung bei allen markierten Dateien ändern</translation>
    </message>
    <message>
        <source>Values To Use</source>
        <translation>Zu verwendende Werte</translation>
    </message>
    <message>
        <source>Creation Date/Time</source>
        <translation>Erstellungsdatum/-zeit</translation>
    </message>
    <message>
        <source>Own Values</source>
        <translation>Eigene Werte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Insert Before Existing File Names</source>
        <translation>vor bestehenden Dateinamen einsetzen</translation>
    </message>
    <message>
        <source>Insert Behind Existing File Names</source>
        <translation>hinter bestehenden Dateinamen einsetzen</translation>
    </message>
    <message>
        <source>Arrangement</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Date + Time</source>
        <translation>Datum + Zeit</translation>
    </message>
    <message>
        <source>Time + Date</source>
        <translation>Zeit + Datum</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>DD.MM.YYYY</source>
        <translation>TT.MM.YYYY</translation>
    </message>
    <message>
        <source>MM.DD.YYYY</source>
        <translation>MM.TT.YYYY</translation>
    </message>
    <message>
        <source>YYYY.MM.DD</source>
        <translation>JJJJ.MM.TT</translation>
    </message>
</context>
<context>
    <name>TFileRename.CaseKind</name>
    <message>
        <source>Capitalize</source>
        <translation>Anfangsbuchstabe groß</translation>
    </message>
    <message>
        <source>Upper Word Beginnings</source>
        <translation>Wortanfänge groß</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>alles groß</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>alles klein</translation>
    </message>
    <message>
        <source>Invert Cases</source>
        <translation>vertauschen</translation>
    </message>
</context>
<context>
    <name>TFilenamePreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Old Filename</source>
        <translation>Alter Dateiname</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Neuer Dateiname</translation>
    </message>
</context>
<context>
    <name>vantorim::rename</name>
    <message>
        <source>No file marked yet !</source>
        <translation>Es wurde noch keine Datei ausgewählt !</translation>
    </message>
    <message>
        <source>No file found !</source>
        <translation>Keine Datei gefunden !</translation>
    </message>
    <message>
        <source>You haven`t entered a destination directory yet !</source>
        <translation>Es wurde noch kein Zielverzeichnis angegeben !</translation>
    </message>
    <message>
        <source>You haven`t inserted a main name yet !</source>
        <translation>Sie haben noch keinen Stammnamen eingegeben !</translation>
    </message>
    <message>
        <source>Number of positions too low !</source>
        <translation>Stellenanzahl zu niedrig !</translation>
    </message>
    <message>
        <source>You haven`t yet entered a
symbol series to be replaced !</source>
        <translation>Es wurde noch keine Zeichenkette angegeben
die ersetzt werden soll !</translation>
    </message>
    <message>
        <source>You haven`t selected an old file extension yet !</source>
        <translation>Sie haben noch keine alte Dateiendung ausgewählt !</translation>
    </message>
    <message>
        <source>You haven`t selected a new file extension yet !</source>
        <translation>Sie haben noch keine neue Dateiendung ausgewählt !</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' ist kein gültiger Integerwert</translation>
    </message>
    <message>
        <source>File couldn`t be renamed.
Maybe the file %1
is write protected or in use.</source>
        <translation>Datei konnte nicht umbenannt werden.
Möglicherweise ist die Datei %1
schreibgeschützt oder in Gebrauch.</translation>
    </message>
    <message>
        <source>The log file %1 could not be written.
This renaming cannot be undone.</source>
        <translation>Die Protokolldatei %1 konnte nicht geschrieben werden.
Diese Umbenennung kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Do you really want to rename the files ?
Undo is just possible
right after action.</source>
        <translation>Möchten Sie die Dateien wirklich umbenennen ?
Vorgang kann nur unmittelbar nach
Ausführung rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Do you really want to rename the files ?
This action cannot be canceled !</source>
        <translation>Möchten Sie die Dateien wirklich umbenennen ?
Dieser Vorgang kann nicht rückgängig gemacht werden !</translation>
    </message>
    <message>
        <source>This renaming function is not available.</source>
        <translation>Diese Umbenennungsfunktion ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>vantorim::common::TUpDownLong</name>
    <message>
        <source>%1 is already associated with %2</source>
        <translation>%1 ist bereits mit %2 verknüpft</translation>
    </message>
</context>
</TS>
