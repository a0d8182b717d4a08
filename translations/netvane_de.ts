<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutPage</name>
    <message>
        <source>Corvane logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Netvane&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless adapter configuration utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utility date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2005 Corvane Networks. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Event history…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the event history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the &amp;web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Corvane web site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvancePage</name>
    <message>
        <source>Wireless settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wireless mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>802.11 B/G mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>802.11 B only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>802.11 A only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>802.11 A/B/G mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx r&amp;ate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/G pr&amp;otection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/G protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Tx b&amp;urst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable transmit burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use OF&amp;DM rates in 802.11g ad hoc mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use OFDM rates in 802.11g ad hoc mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio switch</source>
        <translation type="unfinished"></translation>
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
        <translation>Adapter wieder da</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This network does not broadcast its name. Type the name to connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network name (SSID):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
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
    <name>LinkStatusPage</name>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throughput Tx (Kbits/s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throughput Rx (Kbits/s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit throughput in kilobits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive throughput in kilobits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link quality grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal strength grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show signal in &amp;dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show signal in dBm</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site &amp;Survey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad&amp;vance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SSID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net&amp;work type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad Hoc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sec&amp;urity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Authentication:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA pre-shared &amp;key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA pre-shared key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 to 63 characters, or 64 hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP keys (the selected key is used for transmission)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 1 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 2 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 2 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 3 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 3 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 4 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 4 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dvanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preamble:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preamble type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;x power:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.5%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power sa&amp;ve mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power save mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constantly awake (CA&amp;M) on AC power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constantly awake on AC power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RTS threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS threshold slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS threshold value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2347</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fragmentation threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fragmentation threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fragmentation threshold slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fragmentation threshold value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2346</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AuthenType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ctivate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate profile</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order as found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecuritySheet</name>
    <message>
        <source>Security Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This network is secured. Confirm its security settings and type its key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Authentication:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA pre-shared &amp;key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPA pre-shared key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 to 63 characters, or 64 hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEP keys (the selected key is used for transmission)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 1 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 2 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 2 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 3 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 3 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use key 4 for transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 4 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SiteSurveyPage</name>
    <message>
        <source>&amp;Networks in range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Networks in range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BSSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetworkType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rescan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, sorted descending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsPage</name>
    <message>
        <source>Transmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames transmitted successfully:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames transmitted successfully without retry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames transmitted successfully after retry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames fail to receive ACK after all retries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS frames successfully receive CTS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS frames fail to receive CTS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames transmitted successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames transmitted successfully without retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames transmitted successfully after retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames fail to receive ACK after all retries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS frames successfully receive CTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS frames fail to receive CTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames received successfully:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames received with CRC error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames dropped due to out-of-resource:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate frames received:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames received successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames received with CRC error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames dropped due to out-of-resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate frames received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset counters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
