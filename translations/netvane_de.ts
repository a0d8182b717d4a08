<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutPage</name>
    <message>
        <source>Corvane logo</source>
        <translation>Corvane-Logo</translation>
    </message>
    <message>
        <source>Wireless adapter configuration utility</source>
        <translation>Programm zur Einrichtung des WLAN-Adapters</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>Utility version:</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>Utility date:</source>
        <translation>Programmdatum:</translation>
    </message>
    <message>
        <source>Driver version:</source>
        <translation>Treiberversion:</translation>
    </message>
    <message>
        <source>Driver date:</source>
        <translation>Treiberdatum:</translation>
    </message>
    <message>
        <source>EEPROM version:</source>
        <translation>EEPROM-Version:</translation>
    </message>
    <message>
        <source>MAC address:</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>Utility version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Utility date</source>
        <translation>Programmdatum</translation>
    </message>
    <message>
        <source>Driver version</source>
        <translation>Treiberversion</translation>
    </message>
    <message>
        <source>Driver date</source>
        <translation>Treiberdatum</translation>
    </message>
    <message>
        <source>EEPROM version</source>
        <translation>EEPROM-Version</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright © 2005 Corvane Networks. All rights reserved.</source>
        <translation>Copyright © 2005 Corvane Networks. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>&amp;Event history…</source>
        <translation>Ereignisver&amp;lauf …</translation>
    </message>
    <message>
        <source>Show the event history</source>
        <translation>Ereignisverlauf anzeigen</translation>
    </message>
    <message>
        <source>Visit the &amp;web site</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Open the Corvane web site</source>
        <translation>Die Website von Corvane öffnen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Netvane&lt;/b&gt;</source>
        <translation>&lt;b&gt;Netvane&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>AdapterNotice</name>
    <message>
        <source>Netvane cannot look for the adapter. %1</source>
        <translation>Netvane kann nicht nach dem Adapter suchen. %1</translation>
    </message>
    <message>
        <source>No wireless adapter was found. Start the adapter&apos;s driver service, or the simulator (cv7000-sim).</source>
        <translation>Es wurde kein WLAN-Adapter gefunden. Starten Sie den Treiberdienst des Adapters oder den Simulator (cv7000-sim).</translation>
    </message>
    <message>
        <source>Not available: no adapter.</source>
        <translation>Nicht verfügbar: kein Adapter.</translation>
    </message>
    <message>
        <source>Not using %1: %2.</source>
        <translation>%1 wird nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>Netvane cannot look for the adapter</source>
        <translation>Netvane kann nicht nach dem Adapter suchen</translation>
    </message>
</context>
<context>
    <name>AdvancePage</name>
    <message>
        <source>Wireless settings</source>
        <translation>WLAN-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Wireless mode:</source>
        <translation>&amp;WLAN-Modus:</translation>
    </message>
    <message>
        <source>Wireless mode</source>
        <translation>WLAN-Modus</translation>
    </message>
    <message>
        <source>802.11 B/G mixed</source>
        <translation>802.11 B/G gemischt</translation>
    </message>
    <message>
        <source>802.11 B only</source>
        <translation>Nur 802.11 B</translation>
    </message>
    <message>
        <source>802.11 A only</source>
        <translation>Nur 802.11 A</translation>
    </message>
    <message>
        <source>802.11 A/B/G mixed</source>
        <translation>802.11 A/B/G gemischt</translation>
    </message>
    <message>
        <source>Tx r&amp;ate:</source>
        <translation>Sende&amp;rate:</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Senderate</translation>
    </message>
    <message>
        <source>B/G pr&amp;otection:</source>
        <translation>B/G-Sc&amp;hutz:</translation>
    </message>
    <message>
        <source>B/G protection</source>
        <translation>B/G-Schutz</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable Tx b&amp;urst</source>
        <translation>Sende-&amp;Burst aktivieren</translation>
    </message>
    <message>
        <source>Enable transmit burst</source>
        <translation>Sende-Burst aktivieren</translation>
    </message>
    <message>
        <source>Use OF&amp;DM rates in 802.11g ad hoc mode</source>
        <translation>OF&amp;DM-Raten im 802.11g-Ad-hoc-Modus verwenden</translation>
    </message>
    <message>
        <source>Use OFDM rates in 802.11g ad hoc mode</source>
        <translation>OFDM-Raten im 802.11g-Ad-hoc-Modus verwenden</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Übernehme&amp;n</translation>
    </message>
    <message>
        <source>Apply settings</source>
        <translation>Einstellungen übernehmen</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>Radio state</source>
        <translation>Funkzustand</translation>
    </message>
    <message>
        <source>&amp;Radio Off</source>
        <translation>&amp;Funk aus</translation>
    </message>
    <message>
        <source>Radio switch</source>
        <translation>Funkschalter</translation>
    </message>
    <message>
        <source>Radio Off</source>
        <translation>Funk aus</translation>
    </message>
    <message>
        <source>Radio On</source>
        <translation>Funk ein</translation>
    </message>
</context>
<context>
    <name>Alert</name>
    <message>
        <source>Netvane</source>
        <translation>Netvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
</context>
<context>
    <name>CardInit</name>
    <message>
        <source>EEPRON error!!</source>
        <translation>EEPROM-Fehler!</translation>
    </message>
    <message>
        <source>EEPROM Version error. Please update EEPROM contents.</source>
        <translation>Falsche EEPROM-Version. Bitte aktualisieren Sie den EEPROM-Inhalt.</translation>
    </message>
</context>
<context>
    <name>ConnectionEvents</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Joined “%1”.</source>
        <translation>Mit „%1“ verbunden.</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>The connection to “%1” was lost.</source>
        <translation>Die Verbindung mit „%1“ wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Adapter removed</source>
        <translation>Adapter entfernt</translation>
    </message>
    <message>
        <source>The wireless adapter is no longer there.</source>
        <translation>Der WLAN-Adapter ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Adapter found</source>
        <translation>Adapter gefunden</translation>
    </message>
    <message>
        <source>The wireless adapter is ready.</source>
        <translation>Der WLAN-Adapter ist bereit.</translation>
    </message>
    <message>
        <source>Adapter back</source>
        <translation>Adapter wieder verfügbar</translation>
    </message>
    <message>
        <source>The wireless adapter is there again.</source>
        <translation>Der WLAN-Adapter ist wieder vorhanden.</translation>
    </message>
    <message>
        <source>Reconnected</source>
        <translation>Wieder verbunden</translation>
    </message>
    <message>
        <source>The active profile joined “%1” again.</source>
        <translation>Das aktive Profil ist wieder mit „%1“ verbunden.</translation>
    </message>
    <message>
        <source>Reconnection failed</source>
        <translation>Erneute Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The active profile could not join “%1”.</source>
        <translation>Das aktive Profil konnte keine Verbindung mit „%1“ herstellen.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Could not join “%1”.</source>
        <translation>Keine Verbindung mit „%1“ möglich.</translation>
    </message>
    <message>
        <source>Could not join “%1”. %2</source>
        <translation>Keine Verbindung mit „%1“ möglich. %2</translation>
    </message>
    <message>
        <source>No adapter</source>
        <translation>Kein Adapter</translation>
    </message>
    <message>
        <source>Radio off</source>
        <translation>Funk aus</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>%1: link quality %2% (%3)</source>
        <translation>%1: Verbindungsqualität %2 % (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>EventHistory</name>
    <message>
        <source>Show desktop &amp;notifications</source>
        <translation>Desktop-&amp;Benachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>Start Netvane at &amp;login</source>
        <translation>Netvane beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Event History</source>
        <translation>Ereignisverlauf</translation>
    </message>
    <message>
        <source>Event history</source>
        <translation>Ereignisverlauf</translation>
    </message>
    <message>
        <source>&amp;Events:</source>
        <translation>&amp;Ereignisse:</translation>
    </message>
    <message>
        <source>Connection events, oldest first</source>
        <translation>Verbindungsereignisse, älteste zuerst</translation>
    </message>
    <message>
        <source>No events yet.</source>
        <translation>Noch keine Ereignisse.</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Desktop-Benachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>Start Netvane at login</source>
        <translation>Netvane beim Anmelden starten</translation>
    </message>
    <message>
        <source>Starts Netvane in the tray when you log in, so the active profile is applied</source>
        <translation>Startet Netvane beim Anmelden im Systembereich der Kontrollleiste, damit das aktive Profil angewendet wird</translation>
    </message>
    <message>
        <source>Close the event history</source>
        <translation>Ereignisverlauf schließen</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Netvane could not change its start at login: %1</source>
        <translation>Netvane konnte den Start beim Anmelden nicht ändern: %1</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>der Ordner %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>cannot open its lock file: %1</source>
        <translation>seine Sperrdatei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file of ours</source>
        <translation>seine Sperrdatei %1 ist keine eigene reguläre Datei</translation>
    </message>
    <message>
        <source>another Netvane program is changing the preferences</source>
        <translation>ein anderes Netvane-Programm ändert gerade die Einstellungen</translation>
    </message>
    <message>
        <source>cannot lock it: %1</source>
        <translation>er kann nicht gesperrt werden: %1</translation>
    </message>
</context>
<context>
    <name>HiddenSSIDController</name>
    <message>
        <source>Invalid SSID</source>
        <translation>Ungültige SSID</translation>
    </message>
    <message>
        <source>The SSID should use at most 32 bytes. A character outside ASCII takes two to four of them.</source>
        <translation>Die SSID darf höchstens 32 Byte lang sein. Ein Zeichen außerhalb von ASCII belegt zwei bis vier davon.</translation>
    </message>
</context>
<context>
    <name>HiddenSSIDPrompt</name>
    <message>
        <source>Hidden Network</source>
        <translation>Verborgenes Netzwerk</translation>
    </message>
    <message>
        <source>This network does not broadcast its name. Type the name to connect.</source>
        <translation>Dieses Netzwerk sendet seinen Namen nicht. Geben Sie den Namen ein, um sich zu verbinden.</translation>
    </message>
    <message>
        <source>&amp;Network name (SSID):</source>
        <translation>&amp;Netzwerkname (SSID):</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Netzwerkname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>HistoryGraph</name>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Link history</source>
        <translation>Verbindungsverlauf</translation>
    </message>
    <message>
        <source>No figures yet</source>
        <translation>Noch keine Werte</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Link quality %1%, signal strength %2%</source>
        <translation>Verbindungsqualität %1 %, Signalstärke %2 %</translation>
    </message>
    <message>
        <source>; over the last %1, link quality %2% to %3%, signal strength %4% to %5%</source>
        <translation>; in den letzten %1 Verbindungsqualität %2 % bis %3 %, Signalstärke %4 % bis %5 %</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Verbindungsqualität</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>minutes ago</source>
        <translation>Minuten zuvor</translation>
    </message>
</context>
<context>
    <name>ImageNames</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <source>Radio on</source>
        <translation>Funk ein</translation>
    </message>
    <message>
        <source>Radio off</source>
        <translation>Funk aus</translation>
    </message>
</context>
<context>
    <name>JoinWatch</name>
    <message>
        <source>The key is probably wrong.</source>
        <translation>Der Schlüssel ist wahrscheinlich falsch.</translation>
    </message>
    <message>
        <source>The network is not in range.</source>
        <translation>Das Netzwerk ist nicht in Reichweite.</translation>
    </message>
    <message>
        <source>The network did not accept the adapter.</source>
        <translation>Das Netzwerk hat den Adapter nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>KeyEntry</name>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use printable ASCII characters.</source>
        <translation>Ungültiger WPA-Pre-Shared-Key. Das WPA-PSK-Feld darf nur druckbare ASCII-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use more 8 characters.</source>
        <translation>Ungültiger WPA-Pre-Shared-Key. Das WPA-PSK-Feld muss mindestens 8 Zeichen enthalten.</translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use more 64 hexadecimal digital.</source>
        <translation>Ungültiger WPA-Pre-Shared-Key. Ein Schlüssel aus 64 Zeichen darf nur Hexadezimalziffern enthalten.</translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use at most 63 characters or 64 hexadecimal digits.</source>
        <translation>Ungültiger WPA-Pre-Shared-Key. Das WPA-PSK-Feld darf höchstens 63 Zeichen oder 64 Hexadezimalziffern enthalten.</translation>
    </message>
    <message>
        <source>Invalid WEP key %1. WEP should use hexadecimal digits.</source>
        <translation>Ungültiger WEP-Schlüssel %1. WEP erfordert Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>Invalid WEP key %1 length. WEP should be 10 or 26 hexadecimal digits.</source>
        <translation>Ungültige Länge des WEP-Schlüssels %1. WEP erfordert 10 oder 26 Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>Invalid WEP key %1. WEP should use printable ASCII characters.</source>
        <translation>Ungültiger WEP-Schlüssel %1. WEP erfordert druckbare ASCII-Zeichen.</translation>
    </message>
    <message>
        <source>Invalid WEP key %1 length. WEP should be 5 or 13 ASCII characters.</source>
        <translation>Ungültige Länge des WEP-Schlüssels %1. WEP erfordert 5 oder 13 ASCII-Zeichen.</translation>
    </message>
</context>
<context>
    <name>KeyFields</name>
    <message>
        <source>Show key</source>
        <translation>Schlüssel anzeigen</translation>
    </message>
    <message>
        <source>Show key for %1</source>
        <translation>Schlüssel anzeigen für %1</translation>
    </message>
</context>
<context>
    <name>LinkStatusPage</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <source>Transmit rate:</source>
        <translation>Senderate:</translation>
    </message>
    <message>
        <source>Throughput Tx (Kbits/s):</source>
        <translation>Durchsatz Senden (Kbit/s):</translation>
    </message>
    <message>
        <source>Throughput Rx (Kbits/s):</source>
        <translation>Durchsatz Empfangen (Kbit/s):</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation>Senderate</translation>
    </message>
    <message>
        <source>Transmit throughput in kilobits per second</source>
        <translation>Sendedurchsatz in Kilobit pro Sekunde</translation>
    </message>
    <message>
        <source>Receive throughput in kilobits per second</source>
        <translation>Empfangsdurchsatz in Kilobit pro Sekunde</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Link quality:</source>
        <translation>Verbindungsqualität:</translation>
    </message>
    <message>
        <source>Link quality grade</source>
        <translation>Bewertung der Verbindungsqualität</translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation>Verbindungsqualität</translation>
    </message>
    <message>
        <source>Signal strength:</source>
        <translation>Signalstärke:</translation>
    </message>
    <message>
        <source>Signal strength grade</source>
        <translation>Bewertung der Signalstärke</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>Show signal in &amp;dBm</source>
        <translation>Signal in &amp;dBm anzeigen</translation>
    </message>
    <message>
        <source>Show signal in dBm</source>
        <translation>Signal in dBm anzeigen</translation>
    </message>
    <message>
        <source>GOOD </source>
        <translation>GUT </translation>
    </message>
    <message>
        <source>NORMAL </source>
        <translation>NORMAL </translation>
    </message>
    <message>
        <source>WEAK </source>
        <translation>SCHWACH </translation>
    </message>
    <message>
        <source>No Driver!!</source>
        <translation>Kein Treiber!</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Radio Status &lt;--&gt; OFF</source>
        <translation>Funkstatus &lt;--&gt; AUS</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Netvane</source>
        <translation>Netvane</translation>
    </message>
    <message>
        <source>Adapter state</source>
        <translation>Adapterzustand</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profil</translation>
    </message>
    <message>
        <source>&amp;Link Status</source>
        <translation>&amp;Verbindungsstatus</translation>
    </message>
    <message>
        <source>Site &amp;Survey</source>
        <translation>Netzwerk&amp;suche</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Ad&amp;vance</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Info</translation>
    </message>
</context>
<context>
    <name>PlistXml</name>
    <message>
        <source>its XML declaration is malformed or misplaced</source>
        <translation>ihre XML-Deklaration ist fehlerhaft oder steht an der falschen Stelle</translation>
    </message>
    <message>
        <source>its document type is misplaced</source>
        <translation>ihr Dokumenttyp steht an der falschen Stelle</translation>
    </message>
    <message>
        <source>it has more than one root element</source>
        <translation>sie hat mehr als ein Wurzelelement</translation>
    </message>
    <message>
        <source>it has text outside its root element</source>
        <translation>sie enthält Text außerhalb ihres Wurzelelements</translation>
    </message>
    <message>
        <source>it has no root element</source>
        <translation>sie hat kein Wurzelelement</translation>
    </message>
    <message>
        <source>the property list holds more than one value</source>
        <translation>die Eigenschaftsliste enthält mehr als einen Wert</translation>
    </message>
    <message>
        <source>the property list is empty</source>
        <translation>die Eigenschaftsliste ist leer</translation>
    </message>
    <message>
        <source>it is not an XML property list</source>
        <translation>sie ist keine XML-Eigenschaftsliste</translation>
    </message>
    <message>
        <source>a comment holds &quot;--&quot;</source>
        <translation>ein Kommentar enthält „--“</translation>
    </message>
    <message>
        <source>a processing instruction is named xml</source>
        <translation>eine Verarbeitungsanweisung heißt xml</translation>
    </message>
    <message>
        <source>markup is misplaced</source>
        <translation>Markup steht an der falschen Stelle</translation>
    </message>
    <message>
        <source>text stands where an element belongs</source>
        <translation>Text steht, wo ein Element hingehört</translation>
    </message>
    <message>
        <source>an attribute value is malformed</source>
        <translation>ein Attributwert ist fehlerhaft</translation>
    </message>
    <message>
        <source>an attribute is repeated</source>
        <translation>ein Attribut ist wiederholt</translation>
    </message>
    <message>
        <source>text holds &quot;]]&gt;&quot;</source>
        <translation>Text enthält „]]&gt;“</translation>
    </message>
    <message>
        <source>a reference is malformed or unknown</source>
        <translation>ein Verweis ist fehlerhaft oder unbekannt</translation>
    </message>
    <message>
        <source>text is mixed with markup</source>
        <translation>Text ist mit Markup vermischt</translation>
    </message>
    <message>
        <source>an element stands inside text</source>
        <translation>ein Element steht innerhalb von Text</translation>
    </message>
    <message>
        <source>it nests too deep</source>
        <translation>sie ist zu tief verschachtelt</translation>
    </message>
    <message>
        <source>a boolean holds text</source>
        <translation>ein Wahrheitswert enthält Text</translation>
    </message>
    <message>
        <source>an element is not a property-list element</source>
        <translation>ein Element ist kein Element einer Eigenschaftsliste</translation>
    </message>
    <message>
        <source>data is not base64</source>
        <translation>Daten sind nicht in Base64</translation>
    </message>
    <message>
        <source>a dictionary value has no key</source>
        <translation>ein Wert eines Wörterbuchs hat keinen Schlüssel</translation>
    </message>
    <message>
        <source>a dictionary key has no value</source>
        <translation>ein Schlüssel eines Wörterbuchs hat keinen Wert</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>it holds a byte or character XML does not allow</source>
        <translation>sie enthält ein Byte oder Zeichen, das XML nicht erlaubt</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1 at byte %2)</source>
        <translation>sie ist kein wohlgeformtes XML (%1 bei Byte %2)</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>its root is not an array</source>
        <translation>ihre Wurzel ist kein Array</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ihre Wurzel ist kein Wörterbuch</translation>
    </message>
    <message>
        <source>cannot keep the damaged file aside: %1</source>
        <translation>die beschädigte Datei kann nicht beiseitegelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot flush the folder</source>
        <translation>der Ordner kann nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user, %1; an administrator must remove it</source>
        <translation>es gehört einem anderen Benutzer, %1; ein Administrator muss es entfernen</translation>
    </message>
    <message>
        <source>others may write to it (mode %1)</source>
        <translation>andere Benutzer dürfen hineinschreiben (Modus %1)</translation>
    </message>
    <message>
        <source>cannot create it: %1</source>
        <translation>es kann nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile settings</source>
        <translation>Profileinstellungen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>All&amp;gemein</translation>
    </message>
    <message>
        <source>Profile &amp;name:</source>
        <translation>Profil&amp;name:</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>&amp;SSID:</source>
        <translation>&amp;SSID:</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Netzwerkname (SSID)</translation>
    </message>
    <message>
        <source>Net&amp;work type:</source>
        <translation>Netz&amp;werktyp:</translation>
    </message>
    <message>
        <source>Network type</source>
        <translation>Netzwerktyp</translation>
    </message>
    <message>
        <source>Ad Hoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation>&amp;Kanal:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Sec&amp;urity</source>
        <translation>Si&amp;cherheit</translation>
    </message>
    <message>
        <source>&amp;Authentication:</source>
        <translation>&amp;Authentifizierung:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Offenes System</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Gemeinsamer Schlüssel</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>&amp;Verschlüsselung:</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>WPA pre-shared &amp;key:</source>
        <translation>WPA-&amp;Schlüssel (Pre-Shared Key):</translation>
    </message>
    <message>
        <source>WPA pre-shared key</source>
        <translation>WPA-Schlüssel (Pre-Shared Key)</translation>
    </message>
    <message>
        <source>8 to 63 characters, or 64 hexadecimal digits</source>
        <translation>8 bis 63 Zeichen oder 64 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>WEP keys (the selected key is used for transmission)</source>
        <translation>WEP-Schlüssel (der gewählte Schlüssel wird zum Senden verwendet)</translation>
    </message>
    <message>
        <source>Key &amp;1</source>
        <translation>Schlüssel &amp;1</translation>
    </message>
    <message>
        <source>Use key 1 for transmission</source>
        <translation>Schlüssel 1 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 1 type</source>
        <translation>Typ von Schlüssel 1</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Key &amp;2</source>
        <translation>Schlüssel &amp;2</translation>
    </message>
    <message>
        <source>Use key 2 for transmission</source>
        <translation>Schlüssel 2 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 2 type</source>
        <translation>Typ von Schlüssel 2</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Key &amp;3</source>
        <translation>Schlüssel &amp;3</translation>
    </message>
    <message>
        <source>Use key 3 for transmission</source>
        <translation>Schlüssel 3 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 3 type</source>
        <translation>Typ von Schlüssel 3</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Key &amp;4</source>
        <translation>Schlüssel &amp;4</translation>
    </message>
    <message>
        <source>Use key 4 for transmission</source>
        <translation>Schlüssel 4 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 4 type</source>
        <translation>Typ von Schlüssel 4</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <source>A&amp;dvanced</source>
        <translation>Erwei&amp;tert</translation>
    </message>
    <message>
        <source>&amp;Preamble:</source>
        <translation>&amp;Präambel:</translation>
    </message>
    <message>
        <source>Preamble type</source>
        <translation>Präambeltyp</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>T&amp;x power:</source>
        <translation>Sende&amp;leistung:</translation>
    </message>
    <message>
        <source>Transmit power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25 %</translation>
    </message>
    <message>
        <source>12.5%</source>
        <translation>12,5 %</translation>
    </message>
    <message>
        <source>Power sa&amp;ve mode</source>
        <translation>&amp;Energiesparmodus</translation>
    </message>
    <message>
        <source>Power save mode</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message>
        <source>Constantly awake (CA&amp;M) on AC power</source>
        <translation>Am Netzteil ständig wach (CA&amp;M)</translation>
    </message>
    <message>
        <source>Constantly awake on AC power</source>
        <translation>Am Netzteil ständig wach</translation>
    </message>
    <message>
        <source>&amp;RTS threshold:</source>
        <translation>&amp;RTS-Schwelle:</translation>
    </message>
    <message>
        <source>RTS threshold</source>
        <translation>RTS-Schwelle</translation>
    </message>
    <message>
        <source>RTS threshold slider</source>
        <translation>Schieberegler RTS-Schwelle</translation>
    </message>
    <message>
        <source>RTS threshold value</source>
        <translation>Wert der RTS-Schwelle</translation>
    </message>
    <message>
        <source>&amp;Fragmentation threshold:</source>
        <translation>&amp;Fragmentierungsschwelle:</translation>
    </message>
    <message>
        <source>Fragmentation threshold</source>
        <translation>Fragmentierungsschwelle</translation>
    </message>
    <message>
        <source>Fragmentation threshold slider</source>
        <translation>Schieberegler Fragmentierungsschwelle</translation>
    </message>
    <message>
        <source>Fragmentation threshold value</source>
        <translation>Wert der Fragmentierungsschwelle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Could not save the profile</source>
        <translation>Das Profil konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>ProfilePage</name>
    <message>
        <source>Pr&amp;ofiles:</source>
        <translation>Pr&amp;ofile:</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Network Type</source>
        <translation>Netzwerktyp</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen …</translation>
    </message>
    <message>
        <source>Add profile</source>
        <translation>Profil hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten …</translation>
    </message>
    <message>
        <source>Edit profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>A&amp;ctivate</source>
        <translation>A&amp;ktivieren</translation>
    </message>
    <message>
        <source>Activate profile</source>
        <translation>Profil aktivieren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Gemeinsam</translation>
    </message>
    <message>
        <source>UnKnown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Ad Hoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>Could not read the profiles</source>
        <translation>Die Profile konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not delete the profile</source>
        <translation>Das Profil konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Could not activate the profile</source>
        <translation>Das Profil konnte nicht aktiviert werden</translation>
    </message>
    <message>
        <source>Could not stand the active profile down</source>
        <translation>Das aktive Profil konnte nicht deaktiviert werden</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>profile %1 is no longer stored; another program changed the list</source>
        <translation>das Profil %1 ist nicht mehr gespeichert; ein anderes Programm hat die Liste geändert</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>could not save the profiles: %1</source>
        <translation>die Profile konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>QtTableView</name>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Order as found</source>
        <translation>Reihenfolge wie gefunden</translation>
    </message>
</context>
<context>
    <name>SecuritySheet</name>
    <message>
        <source>Security Settings</source>
        <translation>Sicherheitseinstellungen</translation>
    </message>
    <message>
        <source>This network is secured. Confirm its security settings and type its key.</source>
        <translation>Dieses Netzwerk ist gesichert. Bestätigen Sie die Sicherheitseinstellungen und geben Sie den Schlüssel ein.</translation>
    </message>
    <message>
        <source>&amp;Authentication:</source>
        <translation>&amp;Authentifizierung:</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Open System</source>
        <translation>Offenes System</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation>Gemeinsamer Schlüssel</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>&amp;Verschlüsselung:</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>WPA pre-shared &amp;key:</source>
        <translation>WPA-&amp;Schlüssel (Pre-Shared Key):</translation>
    </message>
    <message>
        <source>WPA pre-shared key</source>
        <translation>WPA-Schlüssel (Pre-Shared Key)</translation>
    </message>
    <message>
        <source>8 to 63 characters, or 64 hexadecimal digits</source>
        <translation>8 bis 63 Zeichen oder 64 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>WEP keys (the selected key is used for transmission)</source>
        <translation>WEP-Schlüssel (der gewählte Schlüssel wird zum Senden verwendet)</translation>
    </message>
    <message>
        <source>Key &amp;1</source>
        <translation>Schlüssel &amp;1</translation>
    </message>
    <message>
        <source>Use key 1 for transmission</source>
        <translation>Schlüssel 1 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 1 type</source>
        <translation>Typ von Schlüssel 1</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <source>Key &amp;2</source>
        <translation>Schlüssel &amp;2</translation>
    </message>
    <message>
        <source>Use key 2 for transmission</source>
        <translation>Schlüssel 2 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 2 type</source>
        <translation>Typ von Schlüssel 2</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <source>Key &amp;3</source>
        <translation>Schlüssel &amp;3</translation>
    </message>
    <message>
        <source>Use key 3 for transmission</source>
        <translation>Schlüssel 3 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 3 type</source>
        <translation>Typ von Schlüssel 3</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>Schlüssel 3</translation>
    </message>
    <message>
        <source>Key &amp;4</source>
        <translation>Schlüssel &amp;4</translation>
    </message>
    <message>
        <source>Use key 4 for transmission</source>
        <translation>Schlüssel 4 zum Senden verwenden</translation>
    </message>
    <message>
        <source>Key 4 type</source>
        <translation>Typ von Schlüssel 4</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>Schlüssel 4</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SiteSurveyPage</name>
    <message>
        <source>&amp;Networks in range:</source>
        <translation>&amp;Netzwerke in Reichweite:</translation>
    </message>
    <message>
        <source>Networks in range</source>
        <translation>Netzwerke in Reichweite</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Signal (%)</source>
        <translation>Signal (%)</translation>
    </message>
    <message>
        <source>Network Type</source>
        <translation>Netzwerktyp</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation>Erneut s&amp;uchen</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>&amp;Add to Profile</source>
        <translation>Als Profil &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add to profile</source>
        <translation>Als Profil hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>Ver&amp;binden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>** Disconnected **</source>
        <translation>** Getrennt **</translation>
    </message>
    <message>
        <source>Connected &lt;--&gt; %1</source>
        <translation>Verbunden &lt;--&gt; %1</translation>
    </message>
    <message>
        <source>Ad Hoc</source>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>it uses WPA-Enterprise (802.1X) sign-in, which Netvane does not provide.</source>
        <translation>es verwendet die Anmeldung über WPA-Enterprise (802.1X), die Netvane nicht anbietet.</translation>
    </message>
    <message>
        <source>it uses WPA2-Enterprise (802.1X) sign-in, which Netvane does not provide.</source>
        <translation>es verwendet die Anmeldung über WPA2-Enterprise (802.1X), die Netvane nicht anbietet.</translation>
    </message>
    <message>
        <source>it uses WPA3-SAE, which this adapter does not support.</source>
        <translation>es verwendet WPA3-SAE, das dieser Adapter nicht unterstützt.</translation>
    </message>
    <message>
        <source>it uses OWE (Enhanced Open), which this adapter does not support.</source>
        <translation>es verwendet OWE (Enhanced Open), das dieser Adapter nicht unterstützt.</translation>
    </message>
    <message>
        <source>Netvane cannot join this network</source>
        <translation>Netvane kann sich nicht mit diesem Netzwerk verbinden</translation>
    </message>
    <message>
        <source>Netvane cannot join “%1”</source>
        <translation>Netvane kann sich nicht mit „%1“ verbinden</translation>
    </message>
    <message>
        <source>Could not join “%1”. %2</source>
        <translation>Keine Verbindung mit „%1“ möglich. %2</translation>
    </message>
    <message>
        <source>No seleted item</source>
        <translation>Kein Eintrag ausgewählt</translation>
    </message>
    <message>
        <source>Please select an item to connect to.</source>
        <translation>Bitte wählen Sie ein Netzwerk aus, mit dem verbunden werden soll.</translation>
    </message>
</context>
<context>
    <name>SocketUserClient</name>
    <message>
        <source>its server runs as uid %1, not as this user or root</source>
        <translation>sein Server läuft als UID %1, nicht als dieser Benutzer oder root</translation>
    </message>
    <message>
        <source>the user of its server cannot be told</source>
        <translation>der Benutzer seines Servers lässt sich nicht feststellen</translation>
    </message>
</context>
<context>
    <name>SortedRows</name>
    <message>
        <source>%1, sorted ascending</source>
        <translation>%1, aufsteigend sortiert</translation>
    </message>
    <message>
        <source>%1, sorted descending</source>
        <translation>%1, absteigend sortiert</translation>
    </message>
</context>
<context>
    <name>StatisticsPage</name>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Frames transmitted successfully:</source>
        <translation>Erfolgreich gesendete Frames:</translation>
    </message>
    <message>
        <source>Frames transmitted successfully without retry:</source>
        <translation>Ohne Wiederholung erfolgreich gesendete Frames:</translation>
    </message>
    <message>
        <source>Frames transmitted successfully after retry:</source>
        <translation>Nach Wiederholung erfolgreich gesendete Frames:</translation>
    </message>
    <message>
        <source>Frames fail to receive ACK after all retries:</source>
        <translation>Frames ohne ACK nach allen Wiederholungen:</translation>
    </message>
    <message>
        <source>RTS frames successfully receive CTS:</source>
        <translation>RTS-Frames mit empfangenem CTS:</translation>
    </message>
    <message>
        <source>RTS frames fail to receive CTS:</source>
        <translation>RTS-Frames ohne CTS:</translation>
    </message>
    <message>
        <source>Frames transmitted successfully</source>
        <translation>Erfolgreich gesendete Frames</translation>
    </message>
    <message>
        <source>Frames transmitted successfully without retry</source>
        <translation>Ohne Wiederholung erfolgreich gesendete Frames</translation>
    </message>
    <message>
        <source>Frames transmitted successfully after retry</source>
        <translation>Nach Wiederholung erfolgreich gesendete Frames</translation>
    </message>
    <message>
        <source>Frames fail to receive ACK after all retries</source>
        <translation>Frames ohne ACK nach allen Wiederholungen</translation>
    </message>
    <message>
        <source>RTS frames successfully receive CTS</source>
        <translation>RTS-Frames mit empfangenem CTS</translation>
    </message>
    <message>
        <source>RTS frames fail to receive CTS</source>
        <translation>RTS-Frames ohne CTS</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Frames received successfully:</source>
        <translation>Erfolgreich empfangene Frames:</translation>
    </message>
    <message>
        <source>Frames received with CRC error:</source>
        <translation>Mit CRC-Fehler empfangene Frames:</translation>
    </message>
    <message>
        <source>Frames dropped due to out-of-resource:</source>
        <translation>Wegen Ressourcenmangels verworfene Frames:</translation>
    </message>
    <message>
        <source>Duplicate frames received:</source>
        <translation>Doppelt empfangene Frames:</translation>
    </message>
    <message>
        <source>Frames received successfully</source>
        <translation>Erfolgreich empfangene Frames</translation>
    </message>
    <message>
        <source>Frames received with CRC error</source>
        <translation>Mit CRC-Fehler empfangene Frames</translation>
    </message>
    <message>
        <source>Frames dropped due to out-of-resource</source>
        <translation>Wegen Ressourcenmangels verworfene Frames</translation>
    </message>
    <message>
        <source>Duplicate frames received</source>
        <translation>Doppelt empfangene Frames</translation>
    </message>
    <message>
        <source>&amp;Reset Counters</source>
        <translation>Zähler &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Reset counters</source>
        <translation>Zähler zurücksetzen</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Show Netvane</source>
        <translation>Netvane &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>Turn &amp;Radio Off</source>
        <translation>&amp;Funk ausschalten</translation>
    </message>
    <message>
        <source>&amp;Event History…</source>
        <translation>&amp;Ereignisverlauf …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Netvane: %1</source>
        <translation>Netvane: %1</translation>
    </message>
    <message>
        <source>Turn &amp;Radio On</source>
        <translation>&amp;Funk einschalten</translation>
    </message>
</context>
</TS>
