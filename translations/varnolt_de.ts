<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CCallWindow</name>
    <message>
        <source>Entry:</source>
        <translation>Eintrag:</translation>
    </message>
    <message>
        <source>Connected since:</source>
        <translation>Verbunden seit:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Units charged:</source>
        <translation>Berechnete Einheiten:</translation>
    </message>
    <message>
        <source>Fee so far:</source>
        <translation>Bisherige Gebühr:</translation>
    </message>
    <message>
        <source>Unit price:</source>
        <translation>Einheitenpreis:</translation>
    </message>
    <message>
        <source>Cycle:</source>
        <translation>Takt:</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Gesendet:</translation>
    </message>
    <message>
        <source>Received:</source>
        <translation>Empfangen:</translation>
    </message>
</context>
<context>
    <name>CTreePage</name>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Connect status:</source>
        <translation>Verbindungsstatus:</translation>
    </message>
    <message>
        <source>Redial progress:</source>
        <translation>Wahlwiederholung:</translation>
    </message>
    <message>
        <source>Redial progress</source>
        <translation>Wahlwiederholung</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>ERROR #%1 &apos;%2&apos;</source>
        <translation>FEHLER #%1 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Error...</source>
        <translation>Fehler...</translation>
    </message>
    <message>
        <source>First you have to save the password for phonebook entry &apos;%1&apos; !</source>
        <translation>Speichern Sie zuerst das Kennwort für den Telefonbucheintrag &apos;%1&apos; !</translation>
    </message>
    <message>
        <source>%1 - process waiting - authentication running</source>
        <translation>%1 - Vorgang wartet - Anmeldung läuft</translation>
    </message>
    <message>
        <source>System reports ERROR Code [%1]</source>
        <translation>System meldet FEHLER-Code [%1]</translation>
    </message>
    <message>
        <source>%1 - connected</source>
        <translation>%1 - verbunden</translation>
    </message>
    <message>
        <source>A call on %1 is connected. Hang up and quit? The call is accounted before the program ends.</source>
        <translation>Ein Anruf über %1 ist verbunden. Auflegen und beenden? Der Anruf wird abgerechnet, bevor das Programm endet.</translation>
    </message>
    <message>
        <source>Hang up connection</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <source>Connect to %1</source>
        <translation>Verbinden mit %1</translation>
    </message>
    <message>
        <source>An empty password can&apos;t be remembered !</source>
        <translation>Ein leeres Kennwort kann nicht gespeichert werden !</translation>
    </message>
    <message>
        <source>Delete entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Rename entry</source>
        <translation>Eintrag umbenennen</translation>
    </message>
    <message>
        <source>An entry cannot be deleted or renamed while a call is dialed or connected.</source>
        <translation>Ein Eintrag kann nicht gelöscht oder umbenannt werden, während ein Anruf gewählt wird oder verbunden ist.</translation>
    </message>
    <message>
        <source>The settings of the entry could not be changed; they stay under its old name.</source>
        <translation>Die Einstellungen des Eintrags konnten nicht geändert werden; sie bleiben unter seinem alten Namen.</translation>
    </message>
    <message>
        <source>Delete entry &apos;%1&apos; with total costs of %2 %3 ?
Its calls stay in the log and in the overall total.</source>
        <translation>Eintrag &apos;%1&apos; mit Gesamtkosten von %2 %3 löschen ?
Seine Anrufe bleiben im Protokoll und in der Gesamtsumme.</translation>
    </message>
    <message>
        <source>User: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
    <message>
        <source>Password: *****</source>
        <translation>Kennwort: *****</translation>
    </message>
    <message>
        <source>Password: &lt;no password defined&gt;</source>
        <translation>Kennwort: &lt;kein Kennwort festgelegt&gt;</translation>
    </message>
    <message>
        <source>Redial after %1 secs</source>
        <translation>Wahlwiederholung nach %1 Sek.</translation>
    </message>
    <message>
        <source>Scale: %1</source>
        <translation>Tarif: %1</translation>
    </message>
    <message>
        <source>Costs: %1 %2</source>
        <translation>Kosten: %1 %2</translation>
    </message>
    <message>
        <source>Last connect: %1</source>
        <translation>Letzte Verbindung: %1</translation>
    </message>
    <message>
        <source>Overall call-fee indicator</source>
        <translation>Gesamte Gebührenanzeige</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Login settings</source>
        <translation>Anmeldeeinstellungen</translation>
    </message>
    <message>
        <source>Autolaunch</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Call-fee indicator</source>
        <translation>Gebührenanzeige</translation>
    </message>
    <message>
        <source>No entries yet: right-click here (or press Shift+F10) and choose New entry.</source>
        <translation>Noch keine Einträge: hier rechts klicken (oder Umschalt+F10 drücken) und Neuer Eintrag wählen.</translation>
    </message>
    <message>
        <source>&amp;Dial entry</source>
        <translation>Eintrag &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Edit entry...</source>
        <translation>Eintrag &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>De&amp;lete entry</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Rename entry...</source>
        <translation>Eintrag &amp;umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Edit login settings...</source>
        <translation>Anmeldeeinstellungen &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Insert application...</source>
        <translation>Programm &amp;einfügen...</translation>
    </message>
    <message>
        <source>&amp;Edit application...</source>
        <translation>Programm &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete application...</source>
        <translation>Programm &amp;löschen...</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>&amp;Neuer Eintrag...</translation>
    </message>
    <message>
        <source>&amp;New provider...</source>
        <translation>&amp;Neuer Provider...</translation>
    </message>
    <message>
        <source>&amp;Dial provider</source>
        <translation>Provider &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Edit provider...</source>
        <translation>Provider &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete provider...</source>
        <translation>Provider &amp;löschen...</translation>
    </message>
    <message>
        <source>The holiday database is empty, nothing to remove !</source>
        <translation>Die Feiertagsdatenbank ist leer, nichts zu entfernen !</translation>
    </message>
    <message>
        <source>First you have to select the holiday, you want to remove from the database !</source>
        <translation>Wählen Sie zuerst den Feiertag aus, den Sie aus der Datenbank entfernen möchten !</translation>
    </message>
    <message>
        <source>Are you sure to remove &apos;%1&apos; from database ?</source>
        <translation>&apos;%1&apos; wirklich aus der Datenbank entfernen ?</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Are you sure to delete the database ?</source>
        <translation>Die Datenbank wirklich löschen ?</translation>
    </message>
    <message>
        <source>Delete database...</source>
        <translation>Datenbank löschen...</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>The day range is only valid between 1 to 31 !</source>
        <translation>Der Tag muss zwischen 1 und 31 liegen !</translation>
    </message>
    <message>
        <source>The month range is only valid between 1 to 12 !</source>
        <translation>Der Monat muss zwischen 1 und 12 liegen !</translation>
    </message>
    <message>
        <source>You have to define a possitiv year !</source>
        <translation>Sie müssen ein positives Jahr angeben !</translation>
    </message>
    <message>
        <source>Are you sure, to delete all logged costs ?</source>
        <translation>Wirklich alle protokollierten Kosten löschen ?</translation>
    </message>
    <message>
        <source>Delete LOG...</source>
        <translation>LOG löschen...</translation>
    </message>
    <message>
        <source>Export LOG into ASCII-file ...</source>
        <translation>LOG in ASCII-Datei exportieren ...</translation>
    </message>
    <message>
        <source>Varnolt LOG files (*.LOG)</source>
        <translation>Varnolt-LOG-Dateien (*.LOG)</translation>
    </message>
    <message>
        <source>Export LOG into Excel-file ...</source>
        <translation>LOG in Excel-Datei exportieren ...</translation>
    </message>
    <message>
        <source>Tabbed text files (*.TXT)</source>
        <translation>Tabulator-getrennte Textdateien (*.TXT)</translation>
    </message>
    <message>
        <source>RAS Entry</source>
        <translation>DFÜ-Eintrag</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Total costs</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Unit price: %1 per %2</source>
        <translation>Einheitenpreis: %1 pro %2</translation>
    </message>
    <message>
        <source>Unit price: %1</source>
        <translation>Einheitenpreis: %1</translation>
    </message>
    <message>
        <source>%1 - call ended</source>
        <translation>%1 - Anruf beendet</translation>
    </message>
    <message>
        <source>Duration: %1, fee: %2</source>
        <translation>Dauer: %1, Gebühr: %2</translation>
    </message>
    <message>
        <source>Dialing again: attempt %1</source>
        <translation>Erneutes Wählen: Versuch %1</translation>
    </message>
    <message>
        <source>%1 (ERROR Code %2)</source>
        <translation>%1 (FEHLER-Code %2)</translation>
    </message>
    <message>
        <source>The call could not be saved</source>
        <translation>Der Anruf konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Select sound file ...</source>
        <translation>Klangdatei auswählen ...</translation>
    </message>
    <message>
        <source>Wave files (*.WAV)</source>
        <translation>Wave-Dateien (*.WAV)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>The operation is still in progress.</source>
        <translation>Der Vorgang läuft noch.</translation>
    </message>
    <message>
        <source>The connection was closed by the remote side.</source>
        <translation>Die Verbindung wurde von der Gegenstelle getrennt.</translation>
    </message>
    <message>
        <source>The phone line is busy.</source>
        <translation>Die Leitung ist besetzt.</translation>
    </message>
    <message>
        <source>The remote side did not answer.</source>
        <translation>Die Gegenstelle hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>There was no dial tone on the line.</source>
        <translation>Auf der Leitung war kein Wählton.</translation>
    </message>
    <message>
        <source>Access was denied: the user name or password is not valid.</source>
        <translation>Zugriff verweigert: Benutzername oder Kennwort ist ungültig.</translation>
    </message>
    <message>
        <source>You&apos;ll have to select a valid phonebookentry first !</source>
        <translation>Sie müssen zuerst einen gültigen Telefonbucheintrag auswählen !</translation>
    </message>
    <message>
        <source>Error..</source>
        <translation>Fehler..</translation>
    </message>
    <message>
        <source>You&apos;ll have to select a valid providerentry first </source>
        <translation>Sie müssen zuerst einen gültigen Providereintrag auswählen </translation>
    </message>
    <message>
        <source>The phonebookentry you selected for autoconnecting doesn&apos;t exist !</source>
        <translation>Der für das automatische Verbinden gewählte Telefonbucheintrag existiert nicht !</translation>
    </message>
    <message>
        <source>The providerentry you selected for autoconnecting doesn&apos;t exist !</source>
        <translation>Der für das automatische Verbinden gewählte Providereintrag existiert nicht !</translation>
    </message>
    <message>
        <source>Delete provider &apos;%1&apos; ?</source>
        <translation>Provider &apos;%1&apos; löschen ?</translation>
    </message>
    <message>
        <source>Delete provider...</source>
        <translation>Provider löschen...</translation>
    </message>
    <message>
        <source>Description for this provider missing !</source>
        <translation>Die Beschreibung für diesen Provider fehlt !</translation>
    </message>
    <message>
        <source>This decsription is in use by another provider !

Change the description for this one !</source>
        <translation>Diese Beschreibung wird schon von einem anderen Provider verwendet !

Ändern Sie die Beschreibung für diesen !</translation>
    </message>
    <message>
        <source>At least to have to add one phonebook entry to the provider list !</source>
        <translation>Sie müssen der Providerliste mindestens einen Telefonbucheintrag hinzufügen !</translation>
    </message>
    <message>
        <source>You have to define a valid cycle for this period !</source>
        <translation>Sie müssen für diesen Zeitraum einen gültigen Takt angeben !</translation>
    </message>
    <message>
        <source>You have to define a valid unit for this period !</source>
        <translation>Sie müssen für diesen Zeitraum eine gültige Einheit angeben !</translation>
    </message>
    <message>
        <source>This period isn&apos;t valid!</source>
        <translation>Dieser Zeitraum ist ungültig!</translation>
    </message>
    <message>
        <source>Scale manager</source>
        <translation>Tarifverwaltung</translation>
    </message>
    <message>
        <source>Unit in %1:</source>
        <translation>Einheit in %1:</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>From (hour)</source>
        <translation>Von (Std.)</translation>
    </message>
    <message>
        <source>From (min.)</source>
        <translation>Von (Min.)</translation>
    </message>
    <message>
        <source>To (hour)</source>
        <translation>Bis (Std.)</translation>
    </message>
    <message>
        <source>To (min.)</source>
        <translation>Bis (Min.)</translation>
    </message>
    <message>
        <source>Cycle (sec.)</source>
        <translation>Takt (Sek.)</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Connected outside Varnolt: this line is not metered and is not dialed again.</source>
        <translation>Außerhalb von Varnolt verbunden: Diese Verbindung wird nicht gemessen und nicht erneut gewählt.</translation>
    </message>
    <message>
        <source>The public holidays could not be saved, as the settings store cannot be written; none was inserted.</source>
        <translation>Die gesetzlichen Feiertage konnten nicht gespeichert werden, da die Einstellungen nicht geschrieben werden können; es wurde keiner eingefügt.</translation>
    </message>
    <message>
        <source>%1 public holidays inserted, %2 skipped as already present.</source>
        <translation>%1 gesetzliche Feiertage eingefügt, %2 übersprungen, da bereits vorhanden.</translation>
    </message>
    <message>
        <source>Insert public holidays</source>
        <translation>Gesetzliche Feiertage einfügen</translation>
    </message>
    <message>
        <source>The call has cost more than %1</source>
        <translation>Der Anruf hat mehr als %1 gekostet</translation>
    </message>
    <message>
        <source>This month&apos;s costs have passed %1</source>
        <translation>Die Kosten dieses Monats haben %1 überschritten</translation>
    </message>
    <message>
        <source>Call limit reached</source>
        <translation>Anruflimit erreicht</translation>
    </message>
    <message>
        <source>Month limit reached</source>
        <translation>Monatslimit erreicht</translation>
    </message>
    <message>
        <source>You have to enter a valid amount (like 5.00) or leave the field empty !</source>
        <translation>Sie müssen einen gültigen Betrag (wie 5.00) eingeben oder das Feld leer lassen !</translation>
    </message>
    <message>
        <source>no connection established</source>
        <translation>keine Verbindung hergestellt</translation>
    </message>
    <message>
        <source>Nothing was exported: %1 is a folder, not a regular file.</source>
        <translation>Nichts wurde exportiert: %1 ist ein Ordner, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Nothing was exported: %1 is a named pipe, not a regular file.</source>
        <translation>Nichts wurde exportiert: %1 ist eine benannte Pipe, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Nothing was exported: %1 is a device, not a regular file.</source>
        <translation>Nichts wurde exportiert: %1 ist ein Gerät, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Nothing was exported: %1 is a socket, not a regular file.</source>
        <translation>Nichts wurde exportiert: %1 ist ein Socket, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Nothing was exported: %1 belongs to another user.</source>
        <translation>Nichts wurde exportiert: %1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.
%2</source>
        <translation>Datenträger voll beim Zugriff auf %1.
%2</translation>
    </message>
    <message>
        <source>Error, while writing file! Perhaps your disc is write protect or full!
%1: %2</source>
        <translation>Fehler beim Schreiben der Datei! Vielleicht ist der Datenträger schreibgeschützt oder voll!
%1: %2</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>its connect time is no real date and time</source>
        <translation>seine Verbindungszeit kein gültiges Datum mit Uhrzeit ist</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; is no real date and time</source>
        <translation>sein „%1“ kein gültiges Datum mit Uhrzeit ist</translation>
    </message>
    <message>
        <source>its fee is no number</source>
        <translation>seine Gebühr keine Zahl ist</translation>
    </message>
    <message>
        <source>its fee is negative</source>
        <translation>seine Gebühr negativ ist</translation>
    </message>
    <message>
        <source>it ends before it begins</source>
        <translation>er endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>it would have lasted longer than 31 days</source>
        <translation>er länger als 31 Tage gedauert hätte</translation>
    </message>
    <message>
        <source>its fee is more than the call could have cost</source>
        <translation>seine Gebühr höher ist, als der Anruf kosten konnte</translation>
    </message>
    <message>
        <source>A call on %1 runs in another instance of the program; it is left to that one.</source>
        <translation>Ein Anruf über %1 läuft in einer anderen Instanz des Programms; er bleibt dieser überlassen.</translation>
    </message>
    <message>
        <source>The call left in &quot;%1&quot; could not be accounted, as the settings store cannot be written; the next start tries again.</source>
        <translation>Der in „%1“ hinterlassene Anruf konnte nicht abgerechnet werden, weil der Einstellungsspeicher nicht beschrieben werden kann; der nächste Start versucht es erneut.</translation>
    </message>
    <message>
        <source>The record of a call on %1 left running in &quot;%2&quot; was not accounted, as %3; its values are kept in &quot;%4&quot;.</source>
        <translation>Der Eintrag eines laufend hinterlassenen Anrufs über %1 in „%2“ wurde nicht abgerechnet, weil %3; seine Werte sind in „%4“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The call on %1 that was running when the program ended (connected %2, last seen %3) has been accounted: %4; this fee is the one last saved and may be short of the real one.</source>
        <translation>Der Anruf über %1, der beim Ende des Programms lief (verbunden %2, zuletzt gesehen %3), wurde abgerechnet: %4; diese Gebühr ist die zuletzt gespeicherte und kann unter der tatsächlichen liegen.</translation>
    </message>
    <message>
        <source>The call on %1 that was running when the program ended (connected %2, last seen %3) was not accounted, as cost management was off.</source>
        <translation>Der Anruf über %1, der beim Ende des Programms lief (verbunden %2, zuletzt gesehen %3), wurde nicht abgerechnet, weil die Kostenverwaltung aus war.</translation>
    </message>
    <message>
        <source>The costs of the call on %1 (%2) could not be saved, as the settings store cannot be written; the program tries again every 30 seconds and when it closes.</source>
        <translation>Die Kosten des Anrufs über %1 (%2) konnten nicht gespeichert werden, weil der Einstellungsspeicher nicht beschrieben werden kann; das Programm versucht es alle 30 Sekunden und beim Beenden erneut.</translation>
    </message>
    <message>
        <source>The costs of the call on %1 (%2) are saved now.</source>
        <translation>Die Kosten des Anrufs über %1 (%2) sind jetzt gespeichert.</translation>
    </message>
    <message>
        <source>The costs of the call on %1 (%2) could not be saved; the next start accounts the call from its journal.</source>
        <translation>Die Kosten des Anrufs über %1 (%2) konnten nicht gespeichert werden; der nächste Start rechnet den Anruf aus seinem Journal ab.</translation>
    </message>
    <message>
        <source>The costs of the call on %1 (%2) could not be saved; they are lost.</source>
        <translation>Die Kosten des Anrufs über %1 (%2) konnten nicht gespeichert werden; sie sind verloren.</translation>
    </message>
    <message>
        <source>The running call on %1 could not be written to the settings store; should the program end before the call, its costs may be lost or short.</source>
        <translation>Der laufende Anruf über %1 konnte nicht in den Einstellungsspeicher geschrieben werden; endet das Programm vor dem Anruf, können seine Kosten verloren gehen oder zu niedrig sein.</translation>
    </message>
    <message>
        <source>in memory for this run only (no home folder is known)</source>
        <translation>nur für diesen Lauf im Speicher (kein Home-Ordner bekannt)</translation>
    </message>
    <message>
        <source>in memory for this run only (%1 could not be used)</source>
        <translation>nur für diesen Lauf im Speicher (%1 war nicht nutzbar)</translation>
    </message>
    <message>
        <source>%1 (read-only: changes are not kept)</source>
        <translation>%1 (schreibgeschützt: Änderungen bleiben nicht erhalten)</translation>
    </message>
    <message>
        <source>Connections are made in NetworkManager. Install and start nm-connection-editor to create one, or create it in a terminal, for example:

nmcli connection add type gsm ifname &apos;*&apos; con-name &quot;My provider&quot; apn internet</source>
        <translation>Verbindungen werden im NetworkManager angelegt. Installieren und starten Sie nm-connection-editor, um eine anzulegen, oder legen Sie sie in einem Terminal an, zum Beispiel:

nmcli connection add type gsm ifname &apos;*&apos; con-name &quot;My provider&quot; apn internet</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Connections are changed in NetworkManager. Install and start nm-connection-editor to edit &apos;%1&apos;, or change it in a terminal, for example:

nmcli connection edit id &quot;%1&quot;</source>
        <translation>Verbindungen werden im NetworkManager geändert. Installieren und starten Sie nm-connection-editor, um „%1“ zu bearbeiten, oder ändern Sie sie in einem Terminal, zum Beispiel:

nmcli connection edit id &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Edit entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>NetworkManager did not save the user name and password of &apos;%1&apos;: %2</source>
        <translation>NetworkManager hat Benutzername und Kennwort von „%1“ nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>NetworkManager connections are deleted and renamed with its own tools: use nm-connection-editor or nmcli.</source>
        <translation>NetworkManager-Verbindungen werden mit dessen eigenen Werkzeugen gelöscht und umbenannt: mit nm-connection-editor oder nmcli.</translation>
    </message>
    <message>
        <source>The connection handle is not valid.</source>
        <translation>Das Verbindungshandle ist ungültig.</translation>
    </message>
    <message>
        <source>NetworkManager has no connection of this name.</source>
        <translation>NetworkManager hat keine Verbindung dieses Namens.</translation>
    </message>
    <message>
        <source>The connection is already active; made outside this program, it is not metered.</source>
        <translation>Die Verbindung ist bereits aktiv; außerhalb dieses Programms hergestellt, wird sie nicht gemessen.</translation>
    </message>
    <message>
        <source>NetworkManager did not save the password: %1</source>
        <translation>NetworkManager hat das Kennwort nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation>Unbekannter Fehler %1.</translation>
    </message>
    <message>
        <source>The reason is unknown.</source>
        <translation>Der Grund ist unbekannt.</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>Es wurde kein Grund genannt.</translation>
    </message>
    <message>
        <source>The connection was disconnected by a user.</source>
        <translation>Die Verbindung wurde von einem Benutzer getrennt.</translation>
    </message>
    <message>
        <source>The device of the connection was disconnected.</source>
        <translation>Das Gerät der Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>The service providing the connection was stopped.</source>
        <translation>Der Dienst, der die Verbindung bereitstellt, wurde beendet.</translation>
    </message>
    <message>
        <source>The IP configuration of the connection was invalid.</source>
        <translation>Die IP-Konfiguration der Verbindung war ungültig.</translation>
    </message>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Der Verbindungsversuch hat die Zeit überschritten.</translation>
    </message>
    <message>
        <source>The service providing the connection did not start in time.</source>
        <translation>Der Dienst, der die Verbindung bereitstellt, ist nicht rechtzeitig gestartet.</translation>
    </message>
    <message>
        <source>The service providing the connection failed to start.</source>
        <translation>Der Dienst, der die Verbindung bereitstellt, konnte nicht starten.</translation>
    </message>
    <message>
        <source>The secrets the connection needs were not provided.</source>
        <translation>Die Geheimnisse, die die Verbindung braucht, wurden nicht angegeben.</translation>
    </message>
    <message>
        <source>The login failed.</source>
        <translation>Die Anmeldung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The connection profile was removed.</source>
        <translation>Das Verbindungsprofil wurde entfernt.</translation>
    </message>
    <message>
        <source>A connection this one depends on failed.</source>
        <translation>Eine Verbindung, von der diese abhängt, ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A software device could not be created.</source>
        <translation>Ein Software-Gerät konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The device of the connection disappeared.</source>
        <translation>Das Gerät der Verbindung ist verschwunden.</translation>
    </message>
    <message>
        <source>The device could not be readied for configuration.</source>
        <translation>Das Gerät konnte nicht für die Konfiguration vorbereitet werden.</translation>
    </message>
    <message>
        <source>No IP configuration could be obtained.</source>
        <translation>Es konnte keine IP-Konfiguration bezogen werden.</translation>
    </message>
    <message>
        <source>The IP configuration is no longer valid.</source>
        <translation>Die IP-Konfiguration ist nicht mehr gültig.</translation>
    </message>
    <message>
        <source>The PPP service failed to start.</source>
        <translation>Der PPP-Dienst konnte nicht starten.</translation>
    </message>
    <message>
        <source>The PPP service disconnected.</source>
        <translation>Der PPP-Dienst hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>The PPP service failed.</source>
        <translation>Der PPP-Dienst ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The modem failed to dial.</source>
        <translation>Das Modem konnte nicht wählen.</translation>
    </message>
    <message>
        <source>The modem could not be initialised.</source>
        <translation>Das Modem konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>The access point name (APN) could not be selected.</source>
        <translation>Der Zugangspunkt (APN) konnte nicht gewählt werden.</translation>
    </message>
    <message>
        <source>The modem is not searching for networks.</source>
        <translation>Das Modem sucht nicht nach Netzen.</translation>
    </message>
    <message>
        <source>The network refused the registration.</source>
        <translation>Das Netz hat die Anmeldung abgelehnt.</translation>
    </message>
    <message>
        <source>The network registration timed out.</source>
        <translation>Die Anmeldung am Netz hat die Zeit überschritten.</translation>
    </message>
    <message>
        <source>The network registration failed.</source>
        <translation>Die Anmeldung am Netz ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The SIM PIN check failed.</source>
        <translation>Die Prüfung der SIM-PIN ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The device was removed.</source>
        <translation>Das Gerät wurde entfernt.</translation>
    </message>
    <message>
        <source>The system is going to sleep.</source>
        <translation>Das System geht in den Ruhezustand.</translation>
    </message>
    <message>
        <source>The carrier or link changed.</source>
        <translation>Träger oder Verbindung haben sich geändert.</translation>
    </message>
    <message>
        <source>The modem could not be found.</source>
        <translation>Das Modem wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The Bluetooth connection failed or timed out.</source>
        <translation>Die Bluetooth-Verbindung ist fehlgeschlagen oder hat die Zeit überschritten.</translation>
    </message>
    <message>
        <source>No SIM card is inserted.</source>
        <translation>Es ist keine SIM-Karte eingelegt.</translation>
    </message>
    <message>
        <source>The SIM card needs its PIN.</source>
        <translation>Die SIM-Karte braucht ihre PIN.</translation>
    </message>
    <message>
        <source>The SIM card needs its PUK.</source>
        <translation>Die SIM-Karte braucht ihre PUK.</translation>
    </message>
    <message>
        <source>The SIM card is not the right one.</source>
        <translation>Die SIM-Karte ist nicht die richtige.</translation>
    </message>
    <message>
        <source>ModemManager is not available.</source>
        <translation>ModemManager ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The modem failed.</source>
        <translation>Das Modem ist ausgefallen.</translation>
    </message>
    <message>
        <source>NetworkManager: %1</source>
        <translation>NetworkManager: %1</translation>
    </message>
    <message>
        <source>The user name and password could not be saved in pppd&apos;s login database.</source>
        <translation>Benutzername und Kennwort konnten nicht in der Anmeldedatenbank von pppd gespeichert werden.</translation>
    </message>
    <message>
        <source>pppd ended abnormally, without an exit status.</source>
        <translation>pppd endete abnormal, ohne Exit-Status.</translation>
    </message>
    <message>
        <source>the connection ended at the peer&apos;s request.</source>
        <translation>die Verbindung endete auf Wunsch der Gegenstelle.</translation>
    </message>
    <message>
        <source>a fatal error occurred; pppd&apos;s output says which.</source>
        <translation>ein schwerer Fehler trat auf; die Ausgabe von pppd nennt ihn.</translation>
    </message>
    <message>
        <source>an option in the peer file or on the command line is wrong.</source>
        <translation>eine Option in der Peer-Datei oder auf der Befehlszeile ist falsch.</translation>
    </message>
    <message>
        <source>you are not allowed to run pppd. On Debian, add yourself to the dip group (sudo adduser $USER dip), then log out and in again.</source>
        <translation>Sie dürfen pppd nicht ausführen. Fügen Sie sich unter Debian der Gruppe dip hinzu (sudo adduser $USER dip), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>the kernel has no PPP support. Load the ppp_generic module (sudo modprobe ppp_generic) or use a kernel built with PPP.</source>
        <translation>der Kernel unterstützt kein PPP. Laden Sie das Modul ppp_generic (sudo modprobe ppp_generic) oder verwenden Sie einen Kernel mit PPP.</translation>
    </message>
    <message>
        <source>pppd was stopped by a signal from outside before the line came up.</source>
        <translation>pppd wurde von außen durch ein Signal beendet, bevor die Leitung stand.</translation>
    </message>
    <message>
        <source>the modem&apos;s serial port is locked: another program, perhaps another pppd, is using it.</source>
        <translation>die serielle Schnittstelle des Modems ist gesperrt: ein anderes Programm, vielleicht ein anderes pppd, benutzt sie.</translation>
    </message>
    <message>
        <source>the modem&apos;s serial port could not be opened. Check that the modem is connected and that the peer file names the right device; on Debian, the port belongs to the dialout group, pppd to the dip group (sudo adduser $USER dip; sudo adduser $USER dialout; then log in again).</source>
        <translation>die serielle Schnittstelle des Modems konnte nicht geöffnet werden. Prüfen Sie, ob das Modem angeschlossen ist und die Peer-Datei das richtige Gerät nennt; unter Debian gehört die Schnittstelle der Gruppe dialout, pppd der Gruppe dip (sudo adduser $USER dip; sudo adduser $USER dialout; dann neu anmelden).</translation>
    </message>
    <message>
        <source>the chat script that dials the modem failed.</source>
        <translation>das Chat-Skript, das mit dem Modem wählt, ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the pty command could not be run.</source>
        <translation>der pty-Befehl konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>the PPP negotiation with the remote side failed.</source>
        <translation>die PPP-Aushandlung mit der Gegenstelle ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the link was idle and was closed.</source>
        <translation>die Verbindung war untätig und wurde geschlossen.</translation>
    </message>
    <message>
        <source>the connect time limit of the peer file was reached.</source>
        <translation>die Verbindungszeitgrenze der Peer-Datei wurde erreicht.</translation>
    </message>
    <message>
        <source>callback was negotiated; the remote side will call back.</source>
        <translation>ein Rückruf wurde ausgehandelt; die Gegenstelle ruft zurück.</translation>
    </message>
    <message>
        <source>the serial line loops back: the modem is not dialing out.</source>
        <translation>die serielle Leitung ist in Schleife: das Modem wählt nicht hinaus.</translation>
    </message>
    <message>
        <source>the peer&apos;s init script failed.</source>
        <translation>das Init-Skript des Peers ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>no usable network protocol could be negotiated.</source>
        <translation>es konnte kein nutzbares Netzprotokoll ausgehandelt werden.</translation>
    </message>
    <message>
        <source>see pppd&apos;s output for the reason.</source>
        <translation>den Grund nennt die Ausgabe von pppd.</translation>
    </message>
    <message>
        <source>pppd ended with exit status %1: %2</source>
        <translation>pppd endete mit Exit-Status %1: %2</translation>
    </message>
    <message>
        <source>Dial-up peers are the files in %1, one file per peer, written by the system&apos;s tools: on Debian run &quot;sudo pppconfig&quot; (package pppconfig), or write the file as root with an editor (sudo editor %1/NAME) as pppd(8) and chat(8) describe. The peers appear here the next time the phonebook is read.</source>
        <translation>Einwahl-Peers sind die Dateien in %1, eine Datei je Peer, geschrieben mit den Werkzeugen des Systems: unter Debian mit „sudo pppconfig“ (Paket pppconfig), oder schreiben Sie die Datei als root mit einem Editor (sudo editor %1/NAME), wie pppd(8) und chat(8) es beschreiben. Die Peers erscheinen hier, wenn das Telefonbuch das nächste Mal gelesen wird.</translation>
    </message>
    <message>
        <source>The pppd peers folder %1 cannot be read (%2), so the phonebook shows no entries. Check that it exists and that you may read it; on Debian its peers are readable by the dip group (sudo adduser $USER dip, then log in again).</source>
        <translation>Der pppd-Peer-Ordner %1 kann nicht gelesen werden (%2), daher zeigt das Telefonbuch keine Einträge. Prüfen Sie, ob er existiert und Sie ihn lesen dürfen; unter Debian sind seine Peers für die Gruppe dip lesbar (sudo adduser $USER dip, dann neu anmelden).</translation>
    </message>
    <message>
        <source>pppd peers are files of %1: delete or rename them there as root (for example with sudo mv).</source>
        <translation>pppd-Peers sind Dateien in %1: löschen oder benennen Sie sie dort als root um (zum Beispiel mit sudo mv).</translation>
    </message>
    <message>
        <source>There is no pppd peer of this name in %1.</source>
        <translation>In %1 gibt es keinen pppd-Peer dieses Namens.</translation>
    </message>
    <message>
        <source>The program %1 could not be run. Install pppd (on Debian: sudo apt install ppp), or name it in the environment variable %2.</source>
        <translation>Das Programm %1 konnte nicht ausgeführt werden. Installieren Sie pppd (unter Debian: sudo apt install ppp) oder nennen Sie es in der Umgebungsvariablen %2.</translation>
    </message>
    <message>
        <source>Please enter a name for the entry.</source>
        <translation>Bitte geben Sie einen Namen für den Eintrag ein.</translation>
    </message>
    <message>
        <source>The entry name contains bytes that are not valid UTF-8 text.</source>
        <translation>Der Eintragsname enthält Bytes, die kein gültiger UTF-8-Text sind.</translation>
    </message>
    <message>
        <source>The entry name must not contain control characters such as tabs or line breaks.</source>
        <translation>Der Eintragsname darf keine Steuerzeichen wie Tabulatoren oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>The entry name is too long: it may have at most 256 characters.</source>
        <translation>Der Eintragsname ist zu lang: er darf höchstens 256 Zeichen haben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of one of the program&apos;s own settings sections. Please choose another name.</source>
        <translation>„%1“ ist der Name eines der eigenen Einstellungsabschnitte des Programms. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Entry names beginning with &quot;__&quot; are kept for the program&apos;s own settings. Please choose another name.</source>
        <translation>Eintragsnamen, die mit „__“ beginnen, sind den eigenen Einstellungen des Programms vorbehalten. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The name &quot;Provider&quot; and names beginning with &quot;Provider &quot; are kept for the settings of providers. Please choose another name.</source>
        <translation>Der Name „Provider“ und Namen, die mit „Provider “ beginnen, sind den Einstellungen der Provider vorbehalten. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Entry names ending in &quot; Autolaunch #&quot; and a number are kept for the settings of autolaunch applications. Please choose another name.</source>
        <translation>Eintragsnamen, die auf „ Autolaunch #“ und eine Zahl enden, sind den Einstellungen der Autostart-Anwendungen vorbehalten. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The phone number is too long: it may have at most 128 characters.</source>
        <translation>Die Rufnummer ist zu lang: sie darf höchstens 128 Zeichen haben.</translation>
    </message>
    <message>
        <source>An entry named &quot;%1&quot; already exists. Please choose another name.</source>
        <translation>Ein Eintrag namens „%1“ existiert bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The entry could not be stored: %1.</source>
        <translation>Der Eintrag konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The phonebook cannot be changed now: %1.</source>
        <translation>Das Telefonbuch kann jetzt nicht geändert werden: %1.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; no longer exists.</source>
        <translation>Der Eintrag „%1“ existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The phonebook entry for this connection could not be found.</source>
        <translation>Der Telefonbucheintrag dieser Verbindung wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The phonebook could not be written.</source>
        <translation>Das Telefonbuch konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The new name is not valid: it must not be empty, be too long or hold control characters.</source>
        <translation>Der neue Name ist ungültig: er darf nicht leer oder zu lang sein und keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>An entry of that name already exists. Please choose another name.</source>
        <translation>Ein Eintrag dieses Namens existiert bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The program keeps that name for its own settings. Please choose another name.</source>
        <translation>Das Programm behält diesen Namen seinen eigenen Einstellungen vor. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The remote access service is shutting down.</source>
        <translation>Der DFÜ-Dienst wird beendet.</translation>
    </message>
    <message>
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>Der Zugriff wurde verweigert, weil Benutzername oder Kennwort ungültig sind.</translation>
    </message>
    <message>
        <source>Remote access error %1.</source>
        <translation>DFÜ-Fehler %1.</translation>
    </message>
    <message>
        <source>Application path or description misssing!</source>
        <translation>Anwendungspfad oder Beschreibung fehlt!</translation>
    </message>
    <message>
        <source>Autolaunch program...</source>
        <translation>Autostart-Programm...</translation>
    </message>
    <message>
        <source>Executables (*.EXE)</source>
        <translation>Programme (*.EXE)</translation>
    </message>
    <message>
        <source>Varnolt / connect</source>
        <translation>Varnolt / verbunden</translation>
    </message>
    <message>
        <source>%1
Connected for %2
Fee so far: %3</source>
        <translation>%1
Verbindungsdauer %2
Bisherige Gebühr: %3</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Tarife</translation>
    </message>
    <message>
        <source>The budget could not be saved, as the settings store cannot be written; it stays as it was.</source>
        <translation>Das Budget konnte nicht gespeichert werden, weil der Einstellungsspeicher nicht beschrieben werden kann; es bleibt, wie es war.</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Hang up and quit</source>
        <translation>Auflegen und beenden</translation>
    </message>
    <message>
        <source>Keep connected</source>
        <translation>Verbunden bleiben</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start without dialing the entry or provider chosen for autoconnect.</source>
        <translation>Starten, ohne den für die automatische Verbindung gewählten Eintrag oder Provider zu wählen.</translation>
    </message>
    <message>
        <source>Dial-up connections with a live call-fee meter.</source>
        <translation>Einwahlverbindungen mit laufendem Gebührenzähler.</translation>
    </message>
</context>
<context>
    <name>varnolt::CAboutPage</name>
    <message>
        <source>Varnolt dials your connections through the remote-access service, redials after a failure, and meters each call&apos;s fee by the charge units of its tariff scale while the line is up. Finished calls are added to the totals and the connection log.</source>
        <translation>Varnolt wählt Ihre Verbindungen über den DFÜ-Dienst, wählt nach einem Fehlschlag erneut und zählt die Gebühr jedes Anrufs nach den Einheiten seines Tarifs, solange die Leitung steht. Beendete Anrufe werden zu den Summen und ins Verbindungsprotokoll übernommen.</translation>
    </message>
    <message>
        <source>Settings are kept in:
%1</source>
        <translation>Die Einstellungen liegen in:
%1</translation>
    </message>
    <message>
        <source>The simulated remote-access service keeps its phonebook, user names and passwords in:
%1</source>
        <translation>Der simulierte DFÜ-Dienst speichert sein Telefonbuch, Benutzernamen und Kennwörter in:
%1</translation>
    </message>
    <message>
        <source>Connections are dialed through %1.</source>
        <translation>Verbindungen werden über %1 gewählt.</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Deutsche Übersetzung: Varnolt-Team</translation>
    </message>
</context>
<context>
    <name>varnolt::CAutoconnectGroup</name>
    <message>
        <source>Autoconnect at startup</source>
        <translation>Automatisch verbinden beim Start</translation>
    </message>
    <message>
        <source>Enable autoconnect</source>
        <translation>Automatisch verbinden</translation>
    </message>
    <message>
        <source>Phonebookentry</source>
        <translation>Telefonbucheintrag</translation>
    </message>
    <message>
        <source>Providerentry</source>
        <translation>Providereintrag</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
</context>
<context>
    <name>varnolt::CAutolaunchDlg</name>
    <message>
        <source>Autolaunch application</source>
        <translation>Programm automatisch starten</translation>
    </message>
    <message>
        <source>&amp;Application...</source>
        <translation>&amp;Programm...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Startup:</source>
        <translation>Start:</translation>
    </message>
</context>
<context>
    <name>varnolt::CCallWindow</name>
    <message>
        <source>Call meter</source>
        <translation>Gebührenzähler</translation>
    </message>
    <message>
        <source>Hang up</source>
        <translation>Auflegen</translation>
    </message>
</context>
<context>
    <name>varnolt::CCostPage</name>
    <message>
        <source>Scales</source>
        <translation>Tarife</translation>
    </message>
    <message>
        <source>From hour</source>
        <translation>Ab Stunde</translation>
    </message>
    <message>
        <source>From minute</source>
        <translation>Ab Minute</translation>
    </message>
    <message>
        <source>To hour</source>
        <translation>Bis Stunde</translation>
    </message>
    <message>
        <source>To minute</source>
        <translation>Bis Minute</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Unit in $:</source>
        <translation>Einheit in $:</translation>
    </message>
    <message>
        <source>Cycle in secs.</source>
        <translation>Takt in Sek.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sundays and public holidays</source>
        <translation>Sonn- und Feiertage</translation>
    </message>
    <message>
        <source>on weekdays</source>
        <translation>an Werktagen</translation>
    </message>
    <message>
        <source>Periods on weekdays</source>
        <translation>Zeiträume an Werktagen</translation>
    </message>
    <message>
        <source>on sundays &amp;&amp; public holidays</source>
        <translation>an Sonn- &amp;&amp; Feiertagen</translation>
    </message>
    <message>
        <source>Periods on sundays and public holidays</source>
        <translation>Zeiträume an Sonn- und Feiertagen</translation>
    </message>
</context>
<context>
    <name>varnolt::CDialDlg</name>
    <message>
        <source>&amp;Remember password</source>
        <translation>Kennwort &amp;merken</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
</context>
<context>
    <name>varnolt::CHoliday</name>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Delete database...</source>
        <translation>Datenbank löschen...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>&amp;Insert...</source>
        <translation>&amp;Einfügen...</translation>
    </message>
    <message>
        <source>Insert public holidays...</source>
        <translation>Gesetzliche Feiertage einfügen...</translation>
    </message>
</context>
<context>
    <name>varnolt::CInsertHolidayDlg</name>
    <message>
        <source>Insert holiday</source>
        <translation>Feiertag einfügen</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Date (DD.MM.YYYY):</source>
        <translation>Datum (TT.MM.JJJJ):</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>varnolt::CLoginSettingsDlg</name>
    <message>
        <source>Edit login settings</source>
        <translation>Anmeldeeinstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>Redial after, in secs:</source>
        <translation>Wahlwiederholung nach Sek.:</translation>
    </message>
</context>
<context>
    <name>varnolt::CLogviewPage</name>
    <message>
        <source>Connection log</source>
        <translation>Verbindungsprotokoll</translation>
    </message>
    <message>
        <source>Export LOG into &amp;ASCII-format</source>
        <translation>LOG ins &amp;ASCII-Format exportieren</translation>
    </message>
    <message>
        <source>Export LOG into &amp;EXCEL-format</source>
        <translation>LOG ins &amp;EXCEL-Format exportieren</translation>
    </message>
    <message>
        <source>&amp;Delete LOG...</source>
        <translation>LOG &amp;löschen...</translation>
    </message>
</context>
<context>
    <name>varnolt::COptionsPage</name>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Play sound after successfull connect</source>
        <translation>Klang nach erfolgreicher Verbindung abspielen</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Klang:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Close Varnolt after disconnect</source>
        <translation>Varnolt nach dem Trennen schließen</translation>
    </message>
    <message>
        <source>Enable costmanagment and file-logging</source>
        <translation>Kostenverwaltung und Protokolldatei aktivieren</translation>
    </message>
    <message>
        <source>Show call meter window</source>
        <translation>Gebührenzähler-Fenster anzeigen</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Warn when a call costs more than</source>
        <translation>Warnen, wenn ein Anruf mehr kostet als</translation>
    </message>
    <message>
        <source>Warn when this month&apos;s costs exceed</source>
        <translation>Warnen, wenn die Kosten dieses Monats übersteigen</translation>
    </message>
    <message>
        <source>Hang up when the call limit is reached</source>
        <translation>Auflegen, wenn das Anruflimit erreicht ist</translation>
    </message>
</context>
<context>
    <name>varnolt::CProviderDialog</name>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Add to provider</source>
        <translation>Zum Provider hinzufügen</translation>
    </message>
    <message>
        <source>Remove from provider</source>
        <translation>Vom Provider entfernen</translation>
    </message>
    <message>
        <source>Provider description:</source>
        <translation>Providerbeschreibung:</translation>
    </message>
    <message>
        <source>Available phonebook entries:</source>
        <translation>Verfügbare Telefonbucheinträge:</translation>
    </message>
    <message>
        <source>Provider phonebook entries:</source>
        <translation>Telefonbucheinträge des Providers:</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
</context>
<context>
    <name>varnolt::CPublicHolidaysDlg</name>
    <message>
        <source>Insert public holidays</source>
        <translation>Gesetzliche Feiertage einfügen</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>&amp;Bundesland:</translation>
    </message>
    <message>
        <source>Nationwide</source>
        <translation>Bundesweit</translation>
    </message>
</context>
<context>
    <name>varnolt::CRASSheet</name>
    <message>
        <source>Hang up connection</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>LOG view</source>
        <translation>LOG-Ansicht</translation>
    </message>
    <message>
        <source>Scale manager</source>
        <translation>Tarifverwaltung</translation>
    </message>
    <message>
        <source>Holiday database</source>
        <translation>Feiertagsdatenbank</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Window styles</source>
        <translation>Fensterstile</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>varnolt::CStatisticsPage</name>
    <message>
        <source>Costs per month</source>
        <translation>Kosten je Monat</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Costs</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>Per call</source>
        <translation>Je Anruf</translation>
    </message>
    <message>
        <source>Costs of the month by entry</source>
        <translation>Kosten des Monats je Eintrag</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Other entries</source>
        <translation>Andere Einträge</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Logged calls whose dates cannot be read are not counted above: %1, costing %2.</source>
        <translation>Protokollierte Anrufe mit unlesbarem Datum sind oben nicht gezählt: %1, Kosten %2.</translation>
    </message>
</context>
<context>
    <name>varnolt::CStylePage</name>
    <message>
        <source>Varnolt caption</source>
        <translation>Varnolt-Titelleiste</translation>
    </message>
    <message>
        <source>Display both, call-fee and time</source>
        <translation>Gebühr und Zeit anzeigen</translation>
    </message>
    <message>
        <source>(e.g. 11.38 $ / 00:45:23h)</source>
        <translation>(z. B. 11.38 $ / 00:45:23h)</translation>
    </message>
    <message>
        <source>Display only call-fee</source>
        <translation>Nur die Gebühr anzeigen</translation>
    </message>
    <message>
        <source>(e.g. 11.38 $ / Varnolt)</source>
        <translation>(z. B. 11.38 $ / Varnolt)</translation>
    </message>
    <message>
        <source>Display only time</source>
        <translation>Nur die Zeit anzeigen</translation>
    </message>
    <message>
        <source>(e.g. 00:45:23h / Varnolt)</source>
        <translation>(z. B. 00:45:23h / Varnolt)</translation>
    </message>
    <message>
        <source>Display only title</source>
        <translation>Nur den Titel anzeigen</translation>
    </message>
    <message>
        <source>(Varnolt / connect)</source>
        <translation>(Varnolt / verbunden)</translation>
    </message>
</context>
<context>
    <name>varnolt::CTreePage</name>
    <message>
        <source>Rename entry</source>
        <translation>Eintrag umbenennen</translation>
    </message>
    <message>
        <source>New name for &apos;%1&apos;:</source>
        <translation>Neuer Name für &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>varnolt::QtEntryDialog</name>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Edit entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Entry &amp;name:</source>
        <translation>Eintrags&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Phone number:</source>
        <translation>&amp;Rufnummer:</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Besetzt</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>No dial tone</source>
        <translation>Kein Wählton</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Accept only this &amp;account</source>
        <translation>Nur dieses &amp;Konto annehmen</translation>
    </message>
    <message>
        <source>Remote side</source>
        <translation>Gegenstelle</translation>
    </message>
    <message>
        <source>A&amp;nswer:</source>
        <translation>A&amp;ntwort:</translation>
    </message>
    <message>
        <source>&amp;Connected after:</source>
        <translation>&amp;Verbunden nach:</translation>
    </message>
    <message>
        <source>&amp;Drops the line after:</source>
        <translation>&amp;Trennt die Leitung nach:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Kennwort:</translation>
    </message>
</context>
<context>
    <name>varnolt::ServiceOptions</name>
    <message>
        <source>unknown service &apos;%1&apos;; use auto, networkmanager, simulated or pppd</source>
        <translation>unbekannter Dienst „%1“; möglich sind auto, networkmanager, simulated oder pppd</translation>
    </message>
    <message>
        <source>The remote-access service: auto (NetworkManager when it runs, the simulated line otherwise), networkmanager, simulated or pppd (the modem peers of /etc/ppp/peers).</source>
        <translation>Der DFÜ-Dienst: auto (NetworkManager, wenn er läuft, sonst die simulierte Leitung), networkmanager, simulated oder pppd (die Modem-Peers aus /etc/ppp/peers).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>With NetworkManager, list every connection, not only mobile broadband, PPPoE and Bluetooth ones.</source>
        <translation>Mit NetworkManager jede Verbindung auflisten, nicht nur Mobilfunk-, PPPoE- und Bluetooth-Verbindungen.</translation>
    </message>
</context>
</TS>
