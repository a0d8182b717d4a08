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
        <translation>&amp;Ereignisverlauf …</translation>
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
        <translation>B/G-&amp;Schutz:</translation>
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
        <translation>Ü&amp;bernehmen</translation>
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
        <translation>&amp;Netzwerksuche</translation>
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
        <translation>&amp;Allgemein</translation>
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
        <translation>&amp;Sicherheit</translation>
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
        <translation>E&amp;rweitert</translation>
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
        <translation>Erneut &amp;suchen</translation>
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
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
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
