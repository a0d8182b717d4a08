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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardInit</name>
    <message>
        <source>EEPRON error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM Version error. Please update EEPROM contents.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionEvents</name>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joined “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to “%1” was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wireless adapter is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wireless adapter is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wireless adapter is there again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The active profile joined “%1” again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnection failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The active profile could not join “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not join “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not join “%1”. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: link quality %2% (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open its lock file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file of ours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Netvane program is changing the preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot lock it: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HiddenSSIDController</name>
    <message>
        <source>Invalid SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSID should use at most 32 bytes. A character outside ASCII takes two to four of them.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JoinWatch</name>
    <message>
        <source>The key is probably wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network is not in range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network did not accept the adapter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyEntry</name>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use printable ASCII characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use more 8 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use more 64 hexadecimal digital.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WPA Pre-Shared key. WPA-PSK used field should use at most 63 characters or 64 hexadecimal digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WEP key %1. WEP should use hexadecimal digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WEP key %1 length. WEP should be 10 or 26 hexadecimal digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WEP key %1. WEP should use printable ASCII characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid WEP key %1 length. WEP should be 5 or 13 ASCII characters.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NORMAL </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEAK </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Driver!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Status &lt;--&gt; OFF</source>
        <translation type="unfinished"></translation>
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
    <name>PrivateFolder</name>
    <message>
        <source>it is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user, %1; an administrator must remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>others may write to it (mode %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create it: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnKnown</source>
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
        <source>Could not read the profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete the profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not activate the profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not stand the active profile down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>profile %1 is no longer stored; another program changed the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not save the profiles: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected &lt;--&gt; %1</source>
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
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it uses WPA-Enterprise (802.1X) sign-in, which Netvane does not provide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it uses WPA2-Enterprise (802.1X) sign-in, which Netvane does not provide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it uses WPA3-SAE, which this adapter does not support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it uses OWE (Enhanced Open), which this adapter does not support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netvane cannot join this network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netvane cannot join “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not join “%1”. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No seleted item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an item to connect to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SocketUserClient</name>
    <message>
        <source>its server runs as uid %1, not as this user or root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the user of its server cannot be told</source>
        <translation type="unfinished"></translation>
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
