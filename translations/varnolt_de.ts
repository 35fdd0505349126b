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
        <translation>Protokollierte Verbindungen mit unlesbarem Datum sind oben nicht gezählt: %1, Kosten %2.</translation>
    </message>
</context>
<context>
    <name>varnolt::CStylePage</name>
    <message>
        <source>Varnolt caption</source>
        <translation>Varnolt-Titelleiste</translation>
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
</TS>
