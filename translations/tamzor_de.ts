<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AAAARecordForm</name>
    <message>
        <source>AAAA Record (IPv6 Internet address)</source>
        <translation>AAAA-Eintrag (IPv6-Internetadresse)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>ARecordForm</name>
    <message>
        <source>A Record (IPv4 Internet address)</source>
        <translation>A-Eintrag (IPv4-Internetadresse)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>CNAMERecordForm</name>
    <message>
        <source>CNAME Record (Canonical name of an alias)</source>
        <translation>CNAME-Eintrag (kanonischer Name eines Alias)</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Canonical name:</source>
        <translation>Kanonischer Name:</translation>
    </message>
    <message>
        <source>host or host.example.com.</source>
        <translation>host oder host.example.com.</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>ChangeBackup</name>
    <message>
        <source>Can&apos;t create the backup folder %1; nothing was changed</source>
        <translation>Der Sicherungsordner %1 kann nicht angelegt werden; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Can&apos;t keep a copy of %1 in %2; nothing was changed</source>
        <translation>Von %1 kann keine Kopie in %2 abgelegt werden; es wurde nichts geändert</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>what the record becomes follows --to</source>
        <translation>was aus dem Eintrag wird, folgt auf --to</translation>
    </message>
    <message>
        <source>named-checkconf refuses the configuration</source>
        <translation>named-checkconf lehnt die Konfiguration ab</translation>
    </message>
    <message>
        <source>named-checkzone refuses zone %1</source>
        <translation>named-checkzone lehnt die Zone %1 ab</translation>
    </message>
    <message>
        <source>no zone %1 in view %2</source>
        <translation>keine Zone %1 in der Sicht %2</translation>
    </message>
    <message>
        <source>no zone %1</source>
        <translation>keine Zone %1</translation>
    </message>
    <message>
        <source>Zone %1 already has the record %2</source>
        <translation>Die Zone %1 hat den Eintrag %2 schon</translation>
    </message>
    <message>
        <source>a record is given as NAME [TTL] TYPE DATA...</source>
        <translation>ein Eintrag wird als NAME [TTL] TYP DATEN... angegeben</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>nothing to change: give --name, --type or --primary</source>
        <translation>nichts zu ändern: --name, --type oder --primary angeben</translation>
    </message>
    <message>
        <source>zone %1 is in the views %2: name one with %3</source>
        <translation>Zone %1 liegt in den Sichten %2: nennen Sie eine mit %3</translation>
    </message>
</context>
<context>
    <name>ControlProgram</name>
    <message>
        <source>%1 changes the BIND server&apos;s files and controls its service: run it as root</source>
        <translation>%1 ändert die Dateien des BIND-Servers und steuert seinen Dienst: als root ausführen</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>option %1 does not apply to %2</source>
        <translation>Option %1 gilt nicht für %2</translation>
    </message>
    <message>
        <source>too few arguments</source>
        <translation>zu wenige Argumente</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>zu viele Argumente</translation>
    </message>
    <message>
        <source>%1 is none of %2</source>
        <translation>%1 ist keins von %2</translation>
    </message>
</context>
<context>
    <name>CustomRecordForm</name>
    <message>
        <source>Custom Record (User type and data)</source>
        <translation>Benutzerdefinierter Eintrag (eigener Typ und eigene Daten)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File %1 was changed by someone else since Tamzor read it; it was read again, nothing was written</source>
        <translation>Die Datei %1 wurde von anderer Seite geändert, seit Tamzor sie gelesen hat; sie wurde neu gelesen, es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Can&apos;t write file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Can&apos;t delete file %1</source>
        <translation>Die Datei %1 kann nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>Grammar</name>
    <message>
        <source>Show this help and exit</source>
        <translation>Diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Print one JSON document</source>
        <translation>Ein JSON-Dokument ausgeben</translation>
    </message>
    <message>
        <source>What the record becomes</source>
        <translation>Was aus dem Eintrag wird</translation>
    </message>
    <message>
        <source>The name server, relative to the zone or absolute; ns1.ZONE. by default</source>
        <translation>Der Nameserver, relativ zur Zone oder absolut; ohne Angabe ns1.ZONE.</translation>
    </message>
    <message>
        <source>The address of a name server inside the zone</source>
        <translation>Die Adresse eines Nameservers innerhalb der Zone</translation>
    </message>
    <message>
        <source>The zone&apos;s contact; hostmaster@ZONE by default</source>
        <translation>Der Kontakt der Zone; ohne Angabe hostmaster@ZONE</translation>
    </message>
    <message>
        <source>The zone&apos;s new name</source>
        <translation>Der neue Name der Zone</translation>
    </message>
    <message>
        <source>List every zone</source>
        <translation>Alle Zonen auflisten</translation>
    </message>
    <message>
        <source>List a zone&apos;s records</source>
        <translation>Die Einträge einer Zone auflisten</translation>
    </message>
    <message>
        <source>Add a record</source>
        <translation>Einen Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Remove the record that matches</source>
        <translation>Den passenden Eintrag entfernen</translation>
    </message>
    <message>
        <source>Replace the record that matches</source>
        <translation>Den passenden Eintrag ersetzen</translation>
    </message>
    <message>
        <source>Add a zone</source>
        <translation>Eine Zone hinzufügen</translation>
    </message>
    <message>
        <source>Check the configuration, or one zone&apos;s file</source>
        <translation>Die Konfiguration oder die Datei einer Zone prüfen</translation>
    </message>
    <message>
        <source>Control the bind9 service</source>
        <translation>Den Dienst bind9 steuern</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [ARGUMENT]... [OPTION]...</source>
        <translation>Aufruf: %1 BEFEHL [ARGUMENT]... [OPTION]...</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Manages the zones and records of the local BIND 9 server.</source>
        <translation>Verwaltet die Zonen und Einträge des lokalen BIND-9-Servers.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options may stand before or after the arguments; -- ends them.
&apos;%1 COMMAND --help&apos; shows a command&apos;s arguments and options.
</source>
        <translation>Optionen dürfen vor oder nach den Argumenten stehen; -- beendet sie.
&apos;%1 BEFEHL --help&apos; zeigt die Argumente und Optionen eines Befehls.
</translation>
    </message>
    <message>
        <source>Remove a zone; its file too when Tamzor made it and no other zone uses it</source>
        <translation>Eine Zone entfernen; ihre Datei auch, wenn Tamzor sie angelegt hat und keine andere Zone sie nutzt</translation>
    </message>
    <message>
        <source>Give a zone that shares its file with others a copy of its own</source>
        <translation>Einer Zone, die ihre Datei mit anderen teilt, eine eigene Kopie geben</translation>
    </message>
    <message>
        <source>Put back the files of the last change</source>
        <translation>Die Dateien der letzten Änderung zurücklegen</translation>
    </message>
    <message>
        <source>master or slave, which primary and secondary also name</source>
        <translation>master oder slave, auch primary und secondary genannt</translation>
    </message>
    <message>
        <source>A server the slave zone transfers from, as one argument &apos;ADDRESS [port N] [key NAME]&apos;; may be given more than once</source>
        <translation>Ein Server, von dem die Slave-Zone überträgt, als ein Argument &apos;ADRESSE [port N] [key NAME]&apos;; darf mehrmals angegeben werden</translation>
    </message>
    <message>
        <source>Rename a zone, change its type or a slave zone&apos;s primaries</source>
        <translation>Eine Zone umbenennen, ihren Typ oder die Primärserver einer Slave-Zone ändern</translation>
    </message>
    <message>
        <source>The view of the zone: needed to add one to a configuration with views, and to name one whose name is in several views</source>
        <translation>Die Sicht (view) der Zone: nötig, um einer Konfiguration mit Sichten eine Zone hinzuzufügen und um eine Zone zu nennen, deren Name in mehreren Sichten vorkommt</translation>
    </message>
</context>
<context>
    <name>HParser</name>
    <message>
        <source>Failed to parse zone. %1</source>
        <translation>Die Zone konnte nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>Expected type key</source>
        <translation>Schlüssel „type“ erwartet</translation>
    </message>
    <message>
        <source>Expected file key</source>
        <translation>Schlüssel „file“ erwartet</translation>
    </message>
    <message>
        <source>Expected map</source>
        <translation>Block erwartet</translation>
    </message>
    <message>
        <source>Expected string</source>
        <translation>Zeichenkette erwartet</translation>
    </message>
    <message>
        <source>Expected list</source>
        <translation>Liste erwartet</translation>
    </message>
    <message>
        <source>The zone has no file: named serves it from the database %1</source>
        <translation>Die Zone hat keine Datei: named liefert sie aus der Datenbank %1</translation>
    </message>
    <message>
        <source>The zone has no file: named keeps its records in memory only</source>
        <translation>Die Zone hat keine Datei: named hält ihre Einträge nur im Speicher</translation>
    </message>
</context>
<context>
    <name>IPv6Prefix</name>
    <message>
        <source>%1 is not an IPv6 address</source>
        <translation>%1 ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>%1 needs a prefix length after a slash that is a multiple of %2 from %3 to %4, such as %5/48: reverse zones are cut at whole hexadecimal digits</source>
        <translation>%1 braucht nach einem Schrägstrich eine Präfixlänge, die ein Vielfaches von %2 von %3 bis %4 ist, etwa %5/48: Rückwärtszonen werden an ganzen Hexadezimalziffern geschnitten</translation>
    </message>
    <message>
        <source>%1 sets bits past its first %2: the network is %3/%2</source>
        <translation>%1 setzt Bits nach den ersten %2: das Netzwerk ist %3/%2</translation>
    </message>
</context>
<context>
    <name>KivoHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Über %1</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>KivoHostAddress</name>
    <message>
        <source>Octet %1</source>
        <translation>Oktett %1</translation>
    </message>
</context>
<context>
    <name>MXRecordForm</name>
    <message>
        <source>MX Record (Mail exchange for domain)</source>
        <translation>MX-Eintrag (Mailserver der Domäne)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Preference:</source>
        <translation>Priorität:</translation>
    </message>
    <message>
        <source>Mail server name:</source>
        <translation>Name des Mailservers:</translation>
    </message>
    <message>
        <source>mail or mail.example.com.</source>
        <translation>mail oder mail.example.com.</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tamzor</source>
        <translation>Tamzor</translation>
    </message>
    <message>
        <source>Zones (master, slave)</source>
        <translation>Zonen (Master, Slave)</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Start BIND server</source>
        <translation>BIND-Server starten</translation>
    </message>
    <message>
        <source>Stop BIND server</source>
        <translation>BIND-Server stoppen</translation>
    </message>
    <message>
        <source>Restart BIND server</source>
        <translation>BIND-Server neu starten</translation>
    </message>
    <message>
        <source>Add zone</source>
        <translation>Zone hinzufügen</translation>
    </message>
    <message>
        <source>Edit zone</source>
        <translation>Zone bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove zone</source>
        <translation>Zone entfernen</translation>
    </message>
    <message>
        <source>Check zone</source>
        <translation>Zone prüfen</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Remove record</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Zone save error</source>
        <translation>Fehler beim Speichern der Zone</translation>
    </message>
    <message>
        <source>Zone remove error</source>
        <translation>Fehler beim Entfernen der Zone</translation>
    </message>
    <message>
        <source>Can&apos;t save zone records</source>
        <translation>Die Einträge der Zone können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Records will be restored.</source>
        <translation>Die Einträge werden wiederhergestellt.</translation>
    </message>
    <message>
        <source>Zone parser error</source>
        <translation>Fehler beim Lesen der Zone</translation>
    </message>
    <message>
        <source>Zone transfer</source>
        <translation>Zone verschieben</translation>
    </message>
    <message>
        <source>Do you really want to remove zone %1?</source>
        <translation>Möchten Sie die Zone %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Do you really want to remove record %1?</source>
        <translation>Möchten Sie den Eintrag %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Zone will be moved from file %1 to file %2, with all its options.
Do you want to continue?</source>
        <translation>Die Zone wird mit allen ihren Optionen aus der Datei %1 in die Datei %2 verschoben.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Its file %1 will be deleted.</source>
        <translation>Die Zonendatei %1 wird gelöscht.</translation>
    </message>
    <message>
        <source>Its file %1 is kept.</source>
        <translation>Die Zonendatei %1 bleibt erhalten.</translation>
    </message>
    <message>
        <source>Read the configuration and every zone again</source>
        <translation>Die Konfiguration und alle Zonen neu lesen</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Reload error</source>
        <translation>Fehler beim Neuladen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo &quot;%1&quot;?</source>
        <translation>„%1“ rückgängig machen?</translation>
    </message>
    <message>
        <source>Undo error</source>
        <translation>Fehler beim Rückgängigmachen</translation>
    </message>
    <message>
        <source>Undo &quot;%1&quot;</source>
        <translation>„%1“ rückgängig machen</translation>
    </message>
    <message>
        <source>Shared zone file</source>
        <translation>Geteilte Zonendatei</translation>
    </message>
    <message>
        <source>Zone file %1 is also the file of %2; a change to the records of %3 would change them too.
Give zone %3 a copy of its own in %4 and change that?</source>
        <translation>Die Zonendatei %1 ist auch die Datei von %2; eine Änderung an den Einträgen von %3 würde diese ebenfalls ändern.
Der Zone %3 eine eigene Kopie in %4 geben und diese ändern?</translation>
    </message>
    <message>
        <source>Have BIND server read its configuration and changed zones again</source>
        <translation>Den BIND-Server seine Konfiguration und geänderte Zonen neu lesen lassen</translation>
    </message>
    <message>
        <source>Filter zones</source>
        <translation>Zonen filtern</translation>
    </message>
    <message>
        <source>Filter by name, type or data (Ctrl+F)</source>
        <translation>Nach Name, Typ oder Daten filtern (Strg+F)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Server</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>&amp;Zone</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation>Neu &amp;laden</translation>
    </message>
    <message>
        <source>Check the configuration</source>
        <translation>Die Konfiguration prüfen</translation>
    </message>
    <message>
        <source>&amp;Check configuration</source>
        <translation>Konfiguration &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Reload from disk</source>
        <translation>Von der Festplatte neu &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Undo last change</source>
        <translation>Letzte Änderung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Find records</source>
        <translation>Einträge &amp;suchen</translation>
    </message>
    <message>
        <source>Show only the records whose name, type or data holds a text</source>
        <translation>Nur die Einträge zeigen, deren Name, Typ oder Daten einen Text enthalten</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Zones read: %v of %m</source>
        <translation>Zonen gelesen: %v von %m</translation>
    </message>
    <message>
        <source>Reading the records of zone %1…</source>
        <translation>Die Einträge der Zone %1 werden gelesen…</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>Records: %1 of %2</source>
        <translation>Einträge: %1 von %2</translation>
    </message>
    <message>
        <source>Some zones could not be read. They stay listed, and their records can be changed once their files are mended and read again.</source>
        <translation>Einige Zonen konnten nicht gelesen werden. Sie bleiben aufgeführt, und ihre Einträge lassen sich ändern, sobald ihre Dateien repariert und neu gelesen sind.</translation>
    </message>
</context>
<context>
    <name>NSRecordForm</name>
    <message>
        <source>NS Record (Authoritative name server)</source>
        <translation>NS-Eintrag (autoritativer Nameserver)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Name server name:</source>
        <translation>Name des Nameservers:</translation>
    </message>
    <message>
        <source>ns1 or ns1.example.com.</source>
        <translation>ns1 oder ns1.example.com.</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>PTRRecordForm</name>
    <message>
        <source>PTR Record (Pointer to a canonical name)</source>
        <translation>PTR-Eintrag (Zeiger auf einen kanonischen Namen)</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>192.0.2.1, 2001:db8::1 or a name</source>
        <translation>192.0.2.1, 2001:db8::1 oder ein Name</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv6 address</source>
        <translation>%1 ist keine gültige IPv6-Adresse</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 address</source>
        <translation>%1 ist keine gültige IPv4-Adresse</translation>
    </message>
</context>
<context>
    <name>PrimaryServer</name>
    <message>
        <source>The %1 name %2 is invalid: %3</source>
        <translation>Der %1-Name %2 ist ungültig: %3</translation>
    </message>
    <message>
        <source>A primary server is empty</source>
        <translation>Ein Primärserver ist leer</translation>
    </message>
    <message>
        <source>%1 is neither an IPv4 nor an IPv6 address, nor the name of a primaries list</source>
        <translation>%1 ist weder eine IPv4- noch eine IPv6-Adresse noch der Name einer primaries-Liste</translation>
    </message>
    <message>
        <source>%1 in %2 lacks its value</source>
        <translation>%1 in %2 fehlt der Wert</translation>
    </message>
    <message>
        <source>%1 in %2 is none of port, key and tls</source>
        <translation>%1 in %2 ist keines von port, key und tls</translation>
    </message>
    <message>
        <source>The primaries list %1 takes no port; its entries give theirs</source>
        <translation>Die primaries-Liste %1 nimmt keinen Port; ihre Einträge geben ihre eigenen an</translation>
    </message>
    <message>
        <source>Port %1 is not a number from 1 to %2</source>
        <translation>Port %1 ist keine Zahl von 1 bis %2</translation>
    </message>
</context>
<context>
    <name>ProgramResult</name>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 ist abgestürzt</translation>
    </message>
    <message>
        <source>%1 exited with code %2.
%3</source>
        <translation>%1 endete mit dem Code %2.
%3</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tamzor
BIND DNS server management application</source>
        <translation>Tamzor
Verwaltung des DNS-Servers BIND</translation>
    </message>
    <message>
        <source>Manages the zones and records of the local BIND 9 DNS server and its bind9 service. Runs as root.</source>
        <translation>Verwaltet die Zonen und Einträge des lokalen DNS-Servers BIND 9 und seinen Dienst bind9. Läuft als root.</translation>
    </message>
    <message>
        <source>Unprivileged user</source>
        <translation>Benutzer ohne Administratorrechte</translation>
    </message>
    <message>
        <source>You run the program under an unprivileged user, which means that you can not change dns server configuration. Please run the program under the root user.</source>
        <translation>Sie führen das Programm als Benutzer ohne Administratorrechte aus und können deshalb die Konfiguration des DNS-Servers nicht ändern. Bitte starten Sie das Programm als root.</translation>
    </message>
    <message>
        <source>Wrong integrity level</source>
        <translation>Falsche Integritätsstufe</translation>
    </message>
    <message>
        <source>The operating system is running in the mandatory integrity control mode. To manage dns server configuration, you should login with a high level of integrity.</source>
        <translation>Das Betriebssystem läuft im Modus der verbindlichen Integritätskontrolle. Um die Konfiguration des DNS-Servers zu verwalten, melden Sie sich bitte mit hoher Integritätsstufe an.</translation>
    </message>
    <message>
        <source>Domain name should not be empty</source>
        <translation>Der Domänenname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Domain name should not start with dot</source>
        <translation>Der Domänenname darf nicht mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>Domain name should not contain double dots</source>
        <translation>Der Domänenname darf keine zwei Punkte hintereinander enthalten</translation>
    </message>
    <message>
        <source>Domain name exceeds the maximum size</source>
        <translation>Der Domänenname ist länger als erlaubt</translation>
    </message>
    <message>
        <source>Domain label %1 exceeds the maximum size</source>
        <translation>Das Label %1 ist länger als erlaubt</translation>
    </message>
    <message>
        <source>Domain label %1 is invalid</source>
        <translation>Das Label %1 ist ungültig</translation>
    </message>
    <message>
        <source>should not be empty</source>
        <translation>darf nicht leer sein</translation>
    </message>
    <message>
        <source>should start with underscore</source>
        <translation>muss mit einem Unterstrich beginnen</translation>
    </message>
    <message>
        <source>should not contain double underscore</source>
        <translation>darf keine zwei Unterstriche hintereinander enthalten</translation>
    </message>
    <message>
        <source>is invalid</source>
        <translation>ist ungültig</translation>
    </message>
    <message>
        <source>Parser creation failed: %1</source>
        <translation>Der Parser konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>named.conf parsing failed: %1</source>
        <translation>named.conf konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Expected tuple</source>
        <translation>Tupel erwartet</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv6 address</source>
        <translation>%1 ist keine gültige IPv6-Adresse</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 address</source>
        <translation>%1 ist keine gültige IPv4-Adresse</translation>
    </message>
    <message>
        <source>Canonical name is invalid.
%1</source>
        <translation>Der kanonische Name ist ungültig.
%1</translation>
    </message>
    <message>
        <source>Zone compiler failed: %1</source>
        <translation>Der Zonencompiler ist gescheitert: %1</translation>
    </message>
    <message>
        <source>Mail server name is invalid.
%1</source>
        <translation>Der Name des Mailservers ist ungültig.
%1</translation>
    </message>
    <message>
        <source>Name server name is invalid.
%1</source>
        <translation>Der Name des Nameservers ist ungültig.
%1</translation>
    </message>
    <message>
        <source>Domain name is invalid.
%1</source>
        <translation>Der Domänenname ist ungültig.
%1</translation>
    </message>
    <message>
        <source>Can not parse mx record: %1</source>
        <translation>Der MX-Eintrag kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse preference in mx record content: %1</source>
        <translation>Die Präferenz im Inhalt des MX-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse soa record: %1</source>
        <translation>Der SOA-Eintrag kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse serial in soa record content: %1</source>
        <translation>Die Seriennummer im Inhalt des SOA-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse refresh in soa record content: %1</source>
        <translation>Das Aktualisierungsintervall im Inhalt des SOA-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse retry in soa record content: %1</source>
        <translation>Das Wiederholungsintervall im Inhalt des SOA-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse expire in soa record content: %1</source>
        <translation>Die Ablaufzeit im Inhalt des SOA-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse minimum in soa record content: %1</source>
        <translation>Die TTL für negative Antworten im Inhalt des SOA-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse service, proto and name in srv record name: %1</source>
        <translation>Dienst, Protokoll und Name können aus dem Namen des SRV-Eintrags nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse srv record content: %1</source>
        <translation>Der Inhalt des SRV-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse priority in srv record content: %1</source>
        <translation>Die Priorität im Inhalt des SRV-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse weight in srv record content: %1</source>
        <translation>Die Gewichtung im Inhalt des SRV-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse port in srv record content: %1</source>
        <translation>Der Port im Inhalt des SRV-Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse record: %1</source>
        <translation>Der Eintrag kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can not parse ttl in record: %1</source>
        <translation>Die TTL des Eintrags kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Name server name is not valid.
%1</source>
        <translation>Der Name des Nameservers ist ungültig.
%1</translation>
    </message>
    <message>
        <source>Email address is not valid.
%1</source>
        <translation>Die E-Mail-Adresse ist ungültig.
%1</translation>
    </message>
    <message>
        <source>Retry must be less than Refresh</source>
        <translation>Das Wiederholungsintervall muss kürzer als das Aktualisierungsintervall sein</translation>
    </message>
    <message>
        <source>Expire must be bigger than the sum of Refresh and Retry</source>
        <translation>Die Ablaufzeit muss länger sein als Aktualisierungs- und Wiederholungsintervall zusammen</translation>
    </message>
    <message>
        <source>Service name %1</source>
        <translation>Der Dienstname %1</translation>
    </message>
    <message>
        <source>Proto name %1</source>
        <translation>Der Protokollname %1</translation>
    </message>
    <message>
        <source>Target name is not valid.
%1</source>
        <translation>Der Zielname ist ungültig.
%1</translation>
    </message>
    <message>
        <source>A record is given as NAME [TTL] TYPE DATA...</source>
        <translation>Ein Eintrag wird als NAME [TTL] TYP DATEN... angegeben</translation>
    </message>
    <message>
        <source>Zone %1 has no record %2</source>
        <translation>Die Zone %1 hat keinen Eintrag %2</translation>
    </message>
    <message>
        <source>The record %1 holds a line break or another control character</source>
        <translation>Der Eintrag %1 enthält einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>Can&apos;t write a scratch file: %1</source>
        <translation>Eine Arbeitsdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>BIND reads %n records from it</source>
        <translation>
            <numerusform>BIND liest %n Eintrag daraus</numerusform>
            <numerusform>BIND liest %n Einträge daraus</numerusform>
        </translation>
    </message>
    <message>
        <source>BIND refuses the record %1 in zone %2</source>
        <translation>BIND lehnt den Eintrag %1 in der Zone %2 ab</translation>
    </message>
    <message>
        <source>The reverse zone %1 needs the name of its name server</source>
        <translation>Die Reverse-Zone %1 braucht den Namen ihres Nameservers</translation>
    </message>
    <message>
        <source>The name server&apos;s name %1 is invalid</source>
        <translation>Der Name %1 des Nameservers ist ungültig</translation>
    </message>
    <message>
        <source>The name server %1 lies inside zone %2 and needs an address</source>
        <translation>Der Nameserver %1 liegt in der Zone %2 und braucht eine Adresse</translation>
    </message>
    <message>
        <source>The name server %1 lies outside zone %2: its address belongs in its own zone</source>
        <translation>Der Nameserver %1 liegt außerhalb der Zone %2: seine Adresse gehört in seine eigene Zone</translation>
    </message>
    <message>
        <source>%1 is neither an IPv4 nor an IPv6 address</source>
        <translation>%1 ist weder eine IPv4- noch eine IPv6-Adresse</translation>
    </message>
    <message>
        <source>The zone name %1 is invalid</source>
        <translation>Der Zonenname %1 ist ungültig</translation>
    </message>
    <message>
        <source>Only a slave zone has primaries</source>
        <translation>Nur eine Slave-Zone hat Primärserver</translation>
    </message>
    <message>
        <source>%1 is no email address</source>
        <translation>%1 ist keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>%1 records are made by DNSSEC signing, not by hand; they can&apos;t be changed here.</source>
        <translation>%1-Einträge entstehen beim Signieren mit DNSSEC, nicht von Hand; sie können hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>This record comes from $INCLUDE file %1; edit that file instead.</source>
        <translation>Dieser Eintrag stammt aus der mit $INCLUDE eingebundenen Datei %1; bearbeiten Sie stattdessen diese Datei.</translation>
    </message>
    <message>
        <source>This record is made by %1; change that line of the zone file instead.</source>
        <translation>Dieser Eintrag wird von %1 erzeugt; ändern Sie stattdessen diese Zeile der Zonendatei.</translation>
    </message>
    <message>
        <source>Record %1 is not written in file %2 as far as its text can be read; change it there.</source>
        <translation>Eintrag %1 steht nicht erkennbar im Text der Datei %2; ändern Sie ihn dort.</translation>
    </message>
    <message>
        <source>Record %1 may be any of %2 entries of file %3; change it there.</source>
        <translation>Eintrag %1 kann jeder von %2 Einträgen der Datei %3 sein; ändern Sie ihn dort.</translation>
    </message>
    <message>
        <source>not intended: %1</source>
        <translation>nicht beabsichtigt: %1</translation>
    </message>
    <message>
        <source>missing: %1</source>
        <translation>fehlt: %1</translation>
    </message>
    <message>
        <source>The entry of record %1 in file %2 opens its parentheses before the type; change it there.</source>
        <translation>Der Eintrag %1 in Datei %2 öffnet seine Klammern vor dem Typ; ändern Sie ihn dort.</translation>
    </message>
    <message>
        <source>The changes overlap in the text of file %1.</source>
        <translation>Die Änderungen überschneiden sich im Text der Datei %1.</translation>
    </message>
    <message>
        <source>Domain label * is a wildcard only as the leftmost label</source>
        <translation>Das Label * ist nur ganz links ein Platzhalter</translation>
    </message>
    <message>
        <source>Domain label * is invalid</source>
        <translation>Das Label * ist ungültig</translation>
    </message>
    <message>
        <source>Domain label %1 is invalid: a host name takes letters, digits and inner hyphens only</source>
        <translation>Das Label %1 ist ungültig: ein Hostname besteht nur aus Buchstaben, Ziffern und inneren Bindestrichen</translation>
    </message>
    <message>
        <source>Mailbox %1 is invalid</source>
        <translation>Das Postfach %1 ist ungültig</translation>
    </message>
    <message>
        <source>%1 lies outside zone %2, whose file named would not take it</source>
        <translation>%1 liegt außerhalb der Zone %2; named würde es aus deren Datei nicht übernehmen</translation>
    </message>
    <message>
        <source>%1 is no record type</source>
        <translation>%1 ist kein Eintragstyp</translation>
    </message>
    <message>
        <source>The record&apos;s data should not be empty</source>
        <translation>Die Daten des Eintrags dürfen nicht leer sein</translation>
    </message>
    <message>
        <source>Preference</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>The record holds a line break or another control character</source>
        <translation>Der Eintrag enthält einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>%1 %2 is out of range 0 to %3</source>
        <translation>%1 %2 liegt außerhalb des Bereichs 0 bis %3</translation>
    </message>
    <message>
        <source>The SOA record stands at the apex of zone %1, not at %2</source>
        <translation>Der SOA-Eintrag steht an der Spitze der Zone %1, nicht bei %2</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Expire</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>Negative cache TTL</source>
        <translation>TTL für negative Antworten</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewichtung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The text is not read as zone-file strings: %1</source>
        <translation>Der Text lässt sich nicht als Zeichenketten einer Zonendatei lesen: %1</translation>
    </message>
    <message>
        <source>an escape is not complete</source>
        <translation>eine Maskierung ist unvollständig</translation>
    </message>
    <message>
        <source>a string lacks its closing quote</source>
        <translation>einer Zeichenkette fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 stands outside the quotes</source>
        <translation>%1 steht außerhalb der Anführungszeichen</translation>
    </message>
    <message>
        <source>a string holds %1 bytes, more than %2</source>
        <translation>eine Zeichenkette hat %1 Bytes, mehr als %2</translation>
    </message>
    <message>
        <source>it holds no string</source>
        <translation>er enthält keine Zeichenkette</translation>
    </message>
    <message>
        <source>The zone type %1 is none of %2 (or %3) and %4 (or %5)</source>
        <translation>Der Zonentyp %1 ist keiner von %2 (oder %3) und %4 (oder %5)</translation>
    </message>
    <message>
        <source>A slave zone needs at least one primary server to transfer it from</source>
        <translation>Eine Slave-Zone braucht mindestens einen Primärserver, von dem sie übertragen wird</translation>
    </message>
    <message>
        <source>The records of slave zone %1 come from its primaries: it takes no name server, address or contact of its own</source>
        <translation>Die Einträge der Slave-Zone %1 kommen von ihren Primärservern: sie nimmt keinen eigenen Nameserver, keine Adresse und keinen Kontakt</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>Validation failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>RecordModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>TTL</source>
        <translation>TTL</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
</context>
<context>
    <name>RecordWizard</name>
    <message>
        <source>Record wizard</source>
        <translation>Assistent für Einträge</translation>
    </message>
    <message>
        <source>New record in zone %1</source>
        <translation>Neuer Eintrag in der Zone %1</translation>
    </message>
    <message>
        <source>In zone %1</source>
        <translation>In der Zone %1</translation>
    </message>
</context>
<context>
    <name>Rndc</name>
    <message>
        <source>rndc can&apos;t reach named: %1</source>
        <translation>rndc erreicht named nicht: %1</translation>
    </message>
    <message>
        <source>rndc did not run: %1</source>
        <translation>rndc lief nicht: %1</translation>
    </message>
</context>
<context>
    <name>SOARecordForm</name>
    <message>
        <source>SOA Record (Start of Authority record)</source>
        <translation>SOA-Eintrag (Start of Authority)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Name server name:</source>
        <translation>Name des Nameservers:</translation>
    </message>
    <message>
        <source>ns1 or ns1.example.com.</source>
        <translation>ns1 oder ns1.example.com.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Refresh time in seconds:</source>
        <translation>Aktualisierungsintervall in Sekunden:</translation>
    </message>
    <message>
        <source>Retry time in seconds:</source>
        <translation>Wiederholungsintervall in Sekunden:</translation>
    </message>
    <message>
        <source>Expire time in seconds:</source>
        <translation>Ablaufzeit in Sekunden:</translation>
    </message>
    <message>
        <source>Negative cache TTL in seconds:</source>
        <translation>TTL für negative Antworten in Sekunden:</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
    <message>
        <source>%1 is no email address</source>
        <translation>%1 ist keine E-Mail-Adresse</translation>
    </message>
</context>
<context>
    <name>SRVRecordForm</name>
    <message>
        <source>SRV Record (Service record)</source>
        <translation>SRV-Eintrag (Dienst)</translation>
    </message>
    <message>
        <source>Service name:</source>
        <translation>Dienstname:</translation>
    </message>
    <message>
        <source>Protocol name:</source>
        <translation>Protokollname:</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation>Priorität:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewichtung:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>sip or sip.example.com.</source>
        <translation>sip oder sip.example.com.</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>ServerPanel</name>
    <message>
        <source>BIND server: active</source>
        <translation>BIND-Server: aktiv</translation>
    </message>
    <message>
        <source>BIND server: inactive</source>
        <translation>BIND-Server: inaktiv</translation>
    </message>
    <message>
        <source>Systemctl error</source>
        <translation>Systemctl-Fehler</translation>
    </message>
    <message>
        <source>BIND configuration file syntax is ok.</source>
        <translation>Die Syntax der BIND-Konfigurationsdatei ist in Ordnung.</translation>
    </message>
    <message>
        <source>BIND configuration file contains syntax errors.</source>
        <translation>Die BIND-Konfigurationsdatei enthält Syntaxfehler.</translation>
    </message>
    <message>
        <source>named-checkconf process error</source>
        <translation>Fehler des Prozesses named-checkconf</translation>
    </message>
    <message>
        <source>Zone file syntax and integrity is ok.</source>
        <translation>Syntax und Vollständigkeit der Zonendatei sind in Ordnung.</translation>
    </message>
    <message>
        <source>Zone file contains errors.</source>
        <translation>Die Zonendatei enthält Fehler.</translation>
    </message>
    <message>
        <source>named-checkzone process error</source>
        <translation>Fehler des Prozesses named-checkzone</translation>
    </message>
    <message>
        <source>named reloaded</source>
        <translation>named hat neu geladen</translation>
    </message>
    <message>
        <source>BIND server: command running...</source>
        <translation>BIND-Server: Befehl läuft...</translation>
    </message>
    <message>
        <source>BIND server not told</source>
        <translation>BIND-Server nicht benachrichtigt</translation>
    </message>
    <message>
        <source>Restart the BIND server, so that it reads every file again?</source>
        <translation>Den BIND-Server neu starten, damit er alle Dateien neu liest?</translation>
    </message>
</context>
<context>
    <name>ServerZones</name>
    <message>
        <source>BIND configuration file contains syntax errors.</source>
        <translation>Die BIND-Konfigurationsdatei enthält Syntaxfehler.</translation>
    </message>
    <message>
        <source>Add zone %1</source>
        <translation>Zone %1 hinzufügen</translation>
    </message>
    <message>
        <source>Edit zone %1</source>
        <translation>Zone %1 bearbeiten</translation>
    </message>
    <message>
        <source>Remove zone %1</source>
        <translation>Zone %1 entfernen</translation>
    </message>
    <message>
        <source>The record is no longer in zone %1</source>
        <translation>Der Eintrag steht nicht mehr in der Zone %1</translation>
    </message>
    <message>
        <source>Give zone %1 a file of its own</source>
        <translation>Der Zone %1 eine eigene Datei geben</translation>
    </message>
    <message>
        <source>Change the records of zone %1</source>
        <translation>Einträge der Zone %1 ändern</translation>
    </message>
    <message>
        <source>Zone %1 already exists</source>
        <translation>Die Zone %1 gibt es bereits</translation>
    </message>
    <message>
        <source>There is no change to undo</source>
        <translation>Es gibt keine Änderung, die rückgängig gemacht werden könnte</translation>
    </message>
    <message>
        <source>File %1 was changed after &quot;%2&quot;; that change is not undone</source>
        <translation>Die Datei %1 wurde nach „%2“ geändert; diese Änderung wird nicht rückgängig gemacht</translation>
    </message>
    <message>
        <source>Can&apos;t read the copy of %1 in %2</source>
        <translation>Die Kopie von %1 in %2 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Can&apos;t restore file %1</source>
        <translation>Die Datei %1 kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Can&apos;t undo &quot;%1&quot;</source>
        <translation>„%1“ kann nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>named-checkconf refuses the configuration: %1</source>
        <translation>named-checkconf weist die Konfiguration zurück: %1</translation>
    </message>
    <message>
        <source>Zone %1 contains errors: %2</source>
        <translation>Die Zone %1 enthält Fehler: %2</translation>
    </message>
    <message>
        <source>Zone file %1 is kept while named may still serve zone %2.</source>
        <translation>Die Zonendatei %1 bleibt erhalten, solange named die Zone %2 noch ausliefern kann.</translation>
    </message>
    <message>
        <source>named read the configuration again</source>
        <translation>named hat die Konfiguration neu gelesen</translation>
    </message>
    <message>
        <source>named thawed zone %1 and loads it again</source>
        <translation>named hat die Zone %1 freigegeben und lädt sie neu</translation>
    </message>
    <message>
        <source>named loads zone %1 again</source>
        <translation>named lädt die Zone %1 neu</translation>
    </message>
    <message>
        <source>Zone %1 took dynamic updates since it was read; it is shown as it is now, and nothing was written. Make the change again.</source>
        <translation>Die Zone %1 hat seit dem Lesen dynamische Aktualisierungen erhalten; sie wird so gezeigt, wie sie jetzt ist, und es wurde nichts geschrieben. Nehmen Sie die Änderung erneut vor.</translation>
    </message>
    <message>
        <source>The files are changed, but named was not told: %1</source>
        <translation>Die Dateien sind geändert, aber named wurde nicht benachrichtigt: %1</translation>
    </message>
    <message>
        <source>The BIND server is not running; it reads the changes when it starts.</source>
        <translation>Der BIND-Server läuft nicht; er liest die Änderungen beim Start.</translation>
    </message>
    <message>
        <source>named loads the configuration and the changed zones again</source>
        <translation>named lädt die Konfiguration und die geänderten Zonen neu</translation>
    </message>
    <message>
        <source>Zone %1 could not be read: %2</source>
        <translation>Die Zone %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The records of zone %1 are still being read; change them once they are listed.</source>
        <translation>Die Einträge der Zone %1 werden noch gelesen; ändern Sie sie, sobald sie aufgeführt sind.</translation>
    </message>
    <message>
        <source>Zone %1 could not be read, so its records cannot be changed: %2</source>
        <translation>Die Zone %1 konnte nicht gelesen werden, daher lassen sich ihre Einträge nicht ändern: %2</translation>
    </message>
    <message>
        <source>Zone %1 has a journal of dynamic updates (%2), which holds the old name. Let named write the updates into the file and remove the journal (rndc sync -clean %1), then rename the zone.</source>
        <translation>Zone %1 hat ein Journal dynamischer Aktualisierungen (%2), das den alten Namen enthält. Lassen Sie named die Aktualisierungen in die Datei schreiben und das Journal entfernen (rndc sync -clean %1), und benennen Sie die Zone dann um.</translation>
    </message>
    <message>
        <source>The configuration has no views, so zone %1 can&apos;t go into view %2</source>
        <translation>Die Konfiguration hat keine Sichten, daher kann Zone %1 nicht in die Sicht %2</translation>
    </message>
    <message>
        <source>The configuration has views, so zone %1 must go into one of them: %2</source>
        <translation>Die Konfiguration hat Sichten, daher muss Zone %1 in eine von ihnen: %2</translation>
    </message>
    <message>
        <source>The configuration has no view %1; its views are %2</source>
        <translation>Die Konfiguration hat keine Sicht %1; ihre Sichten sind %2</translation>
    </message>
    <message>
        <source>The statement of zone %1 in %2 declares it in the views %3 too, as the file is included in each; a change to it would change those zones as well. Declare the zone in each view of its own, then change it.</source>
        <translation>Die Anweisung der Zone %1 in %2 deklariert sie auch in den Sichten %3, da die Datei in jeder eingebunden ist; eine Änderung daran würde auch diese Zonen ändern. Deklarieren Sie die Zone in jeder Sicht einzeln und ändern Sie sie dann.</translation>
    </message>
</context>
<context>
    <name>SystemCtl</name>
    <message>
        <source>Another command for %1 is still running; try again when it has ended.</source>
        <translation>Ein anderer Befehl für %1 läuft noch; versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
</context>
<context>
    <name>TXTRecordForm</name>
    <message>
        <source>TXT Record (Text record)</source>
        <translation>TXT-Eintrag (Text)</translation>
    </message>
    <message>
        <source>Domain name:</source>
        <translation>Domänenname:</translation>
    </message>
    <message>
        <source>www or @</source>
        <translation>www oder @</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>TTL in seconds:</source>
        <translation>TTL in Sekunden:</translation>
    </message>
</context>
<context>
    <name>TypeRecordWizardPage</name>
    <message>
        <source>WizardPage</source>
        <translation>Assistentenseite</translation>
    </message>
    <message>
        <source>Record type:</source>
        <translation>Eintragstyp:</translation>
    </message>
    <message>
        <source>Custom</source>
        <comment>Custom type</comment>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>Zone</name>
    <message>
        <source>The records of secondary zone %1 are kept by its primary server; change them there.</source>
        <translation>Die Einträge der sekundären Zone %1 verwaltet ihr Primärserver; ändern Sie sie dort.</translation>
    </message>
    <message>
        <source>Zone %1 is signed outside named: a changed record would keep a signature that no longer fits it. Change the unsigned zone and sign it again where it is signed.</source>
        <translation>Die Zone %1 wird außerhalb von named signiert: ein geänderter Eintrag behielte eine Signatur, die nicht mehr zu ihm passt. Ändern Sie die unsignierte Zone und signieren Sie sie dort erneut, wo sie signiert wird.</translation>
    </message>
</context>
<context>
    <name>ZoneDialog</name>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Zone name:</source>
        <translation>Zonenname:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Primaries:</source>
        <translation>Primärserver:</translation>
    </message>
    <message>
        <source>The servers a slave zone transfers from, separated by semicolons: an address, optionally followed by port N and key NAME</source>
        <translation>Die Server, von denen eine Slave-Zone überträgt, durch Semikolons getrennt: eine Adresse, wahlweise gefolgt von port N und key NAME</translation>
    </message>
</context>
<context>
    <name>ZoneFreeze</name>
    <message>
        <source>named did not freeze dynamic zone %1 for the change, so nothing was written: %2</source>
        <translation>named hat die dynamische Zone %1 für die Änderung nicht eingefroren, daher wurde nichts geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>ZoneModel</name>
    <message>
        <source>Could not be read: %1</source>
        <translation>Konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Reading the records…</source>
        <translation>Die Einträge werden gelesen…</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Sicht</translation>
    </message>
</context>
<context>
    <name>ZoneStatement</name>
    <message>
        <source>Can&apos;t read the statements of file %1: it does not end as it should (a string, comment or block is not closed); nothing was written</source>
        <translation>Die Anweisungen der Datei %1 können nicht gelesen werden: Sie endet nicht wie erwartet (eine Zeichenkette, ein Kommentar oder ein Block ist nicht geschlossen); es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Can&apos;t find zone %1 in file %2</source>
        <translation>Die Zone %1 steht nicht in der Datei %2</translation>
    </message>
    <message>
        <source>Can&apos;t find zone %1 of view %2 in file %3</source>
        <translation>Zone %1 der Sicht %2 ist in Datei %3 nicht zu finden</translation>
    </message>
</context>
<context>
    <name>ZoneStorage</name>
    <message>
        <source>Can&apos;t save zones</source>
        <translation>Die Zonen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Zone name is empty</source>
        <translation>Der Zonenname ist leer</translation>
    </message>
    <message>
        <source>Zone name %1 holds a double quote, a backslash or a control character</source>
        <translation>Der Zonenname %1 enthält ein Anführungszeichen, einen Backslash oder ein Steuerzeichen</translation>
    </message>
    <message>
        <source>Zone file path of zone %1 is empty</source>
        <translation>Der Pfad der Zonendatei der Zone %1 ist leer</translation>
    </message>
    <message>
        <source>Zone file path %1 holds a double quote, a backslash or a control character</source>
        <translation>Der Pfad der Zonendatei %1 enthält ein Anführungszeichen, einen Backslash oder ein Steuerzeichen</translation>
    </message>
    <message>
        <source>Zone class %1 is not a single word</source>
        <translation>Die Zonenklasse %1 besteht nicht aus einem einzigen Wort</translation>
    </message>
    <message>
        <source>Zone type %1 is not a single word</source>
        <translation>Der Zonentyp %1 besteht nicht aus einem einzigen Wort</translation>
    </message>
    <message>
        <source>Can&apos;t save zone records</source>
        <translation>Die Einträge der Zone können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Can&apos;t restore file %1</source>
        <translation>Die Datei %1 kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>named-checkconf refuses the configuration: %1</source>
        <translation>named-checkconf weist die Konfiguration zurück: %1</translation>
    </message>
    <message>
        <source>Can&apos;t check the configuration: %1</source>
        <translation>Die Konfiguration kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t create directory %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Can&apos;t check zone %1: %2</source>
        <translation>Die Zone %1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>Zone contains errors: %1</source>
        <translation>Die Zone enthält Fehler: %1</translation>
    </message>
    <message>
        <source>BIND reads the changed text of file %1 otherwise than intended, so it is left as it was:
%2</source>
        <translation>BIND liest den geänderten Text der Datei %1 anders als beabsichtigt; sie bleibt daher unverändert:
%2</translation>
    </message>
    <message>
        <source>Can&apos;t find view %1 in the configuration</source>
        <translation>Sicht %1 ist in der Konfiguration nicht zu finden</translation>
    </message>
    <message>
        <source>Zone %1 is kept in %2 format, which Tamzor does not write</source>
        <translation>Zone %1 liegt im Format %2 vor, das Tamzor nicht schreibt</translation>
    </message>
    <message>
        <source>%1 in view %2</source>
        <translation>%1 in der Sicht %2</translation>
    </message>
    <message>
        <source>Zone file %1 is also the file of %2, whose records would change too. Give zone %3 a file of its own first.</source>
        <translation>Die Zonendatei %1 gehört auch zu %2, deren Einträge sich dann ebenfalls ändern würden. Geben Sie der Zone %3 zuerst eine eigene Datei.</translation>
    </message>
</context>
<context>
    <name>ZoneWizard</name>
    <message>
        <source>Zone wizard</source>
        <translation>Assistent für Zonen</translation>
    </message>
</context>
<context>
    <name>ZoneWizardPageARecord</name>
    <message>
        <source>The name server %1 lies outside the zone: its address belongs in a zone of its own.</source>
        <translation>Der Nameserver %1 liegt außerhalb der Zone: seine Adresse gehört in eine eigene Zone.</translation>
    </message>
</context>
<context>
    <name>ZoneWizardPageMain</name>
    <message>
        <source>WizardPageMain</source>
        <translation>Assistentenseite</translation>
    </message>
    <message>
        <source>Zone Main Options</source>
        <translation>Grundeinstellungen der Zone</translation>
    </message>
    <message>
        <source>Please specify the main options for this zone</source>
        <translation>Bitte legen Sie die Grundeinstellungen dieser Zone fest</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <source>Lookup type:</source>
        <translation>Art der Auflösung:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Reverse IPv4</source>
        <translation>Rückwärts IPv4</translation>
    </message>
    <message>
        <source>Reverse IPv6</source>
        <translation>Rückwärts IPv6</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Sicht:</translation>
    </message>
    <message>
        <source>The view whose clients get the zone; the server&apos;s configuration has views, so every zone is in one</source>
        <translation>Die Sicht, deren Clients die Zone erhalten; die Konfiguration des Servers hat Sichten, daher liegt jede Zone in einer</translation>
    </message>
</context>
<context>
    <name>ZoneWizardPageName</name>
    <message>
        <source>WizardPage</source>
        <translation>Assistentenseite</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Zonenname</translation>
    </message>
    <message>
        <source>Please specify the domain name of this zone</source>
        <translation>Bitte geben Sie den Domänennamen dieser Zone an</translation>
    </message>
    <message>
        <source>Zone name:</source>
        <translation>Zonenname:</translation>
    </message>
</context>
<context>
    <name>ZoneWizardPagePrimaries</name>
    <message>
        <source>WizardPage</source>
        <translation>Assistentenseite</translation>
    </message>
    <message>
        <source>Primary Servers</source>
        <translation>Primärserver</translation>
    </message>
    <message>
        <source>Specify the servers the slave zone transfers its records from, separated by semicolons: an address, optionally followed by port N and key NAME</source>
        <translation>Geben Sie die Server an, von denen die Slave-Zone ihre Einträge überträgt, durch Semikolons getrennt: eine Adresse, wahlweise gefolgt von port N und key NAME</translation>
    </message>
    <message>
        <source>Primaries:</source>
        <translation>Primärserver:</translation>
    </message>
</context>
<context>
    <name>ZoneWizardPageReverseIPv4Name</name>
    <message>
        <source>WizardPage</source>
        <translation>Assistentenseite</translation>
    </message>
    <message>
        <source>Reverse Lookup Zone Name</source>
        <translation>Name der Rückwärtszone</translation>
    </message>
    <message>
        <source>Specify the network ID for reverse lookup zone</source>
        <translation>Geben Sie die Netzwerkkennung der Rückwärtszone an</translation>
    </message>
    <message>
        <source>IPv4 address:</source>
        <translation>IPv4-Adresse:</translation>
    </message>
    <message>
        <source>Zone name:</source>
        <translation>Zonenname:</translation>
    </message>
</context>
<context>
    <name>ZoneWizardPageReverseIPv6Name</name>
    <message>
        <source>WizardPage</source>
        <translation>Assistentenseite</translation>
    </message>
    <message>
        <source>IPv6 Reverse Lookup Zone Name</source>
        <translation>Name der IPv6-Rückwärtszone</translation>
    </message>
    <message>
        <source>Specify the IPv6 network of the reverse lookup zone, its prefix length a multiple of 4</source>
        <translation>Geben Sie das IPv6-Netzwerk der Rückwärtszone an, seine Präfixlänge ein Vielfaches von 4</translation>
    </message>
    <message>
        <source>IPv6 network:</source>
        <translation>IPv6-Netzwerk:</translation>
    </message>
    <message>
        <source>Zone name:</source>
        <translation>Zonenname:</translation>
    </message>
</context>
</TS>
