#!/usr/bin/python3
"""Shows the NetworkManager double can stand in for the bridge's tests: a Wi-Fi device, an open
and a WPA2-PSK access point, a scan, a WPA2 join with the settings dict the bridge will send,
a disconnect, a polkit refusal and the device's removal, each called over D-Bus from a client
connection of its own (as the bridge will). Prints what NetworkManager was asked; exits 1 at
the first answer that is not what NetworkManager would give."""

import hashlib
import sys
import uuid

import dbus

import nm_double as nm

WIRELESS = 'org.freedesktop.NetworkManager.Device.Wireless'
DEVICE = 'org.freedesktop.NetworkManager.Device'
AP = 'org.freedesktop.NetworkManager.AccessPoint'
STATISTICS = 'org.freedesktop.NetworkManager.Device.Statistics'
PROPS = 'org.freedesktop.DBus.Properties'
DEVICE_ACTIVATED, DEVICE_DISCONNECTED = 100, 30

SSID = b'Lantern Row'
BSSID = '02:1A:11:F0:00:02'
# A test pass phrase; the bridge itself only ever sees the derived key.
PSK = hashlib.pbkdf2_hmac('sha1', b'correct horse', SSID, 4096, 32).hex()


def expect(what, got, want):
    if got != want:
        print(f'FAIL {what}: got {got!r}, want {want!r}')
        sys.exit(1)
    print(f'ok   {what}')


def wpa2_settings(user):
    return {
        'connection': {
            'id': dbus.String('Netvane ' + SSID.decode()),
            'type': dbus.String('802-11-wireless'),
            'uuid': dbus.String(str(uuid.uuid4())),
            'permissions': dbus.Array(['user:' + user], signature='s'),
        },
        '802-11-wireless': {
            'ssid': dbus.ByteArray(SSID),
            'mode': dbus.String('infrastructure'),
            'bssid': dbus.ByteArray(bytes.fromhex(BSSID.replace(':', ''))),
        },
        '802-11-wireless-security': {
            'key-mgmt': dbus.String('wpa-psk'),
            'psk': dbus.String(PSK),
        },
    }


def plain(value):
    """D-Bus values as plain Python, for a readable log."""
    if isinstance(value, dbus.Array) and value.signature == 'y':
        return bytes(value)
    if isinstance(value, (dict, dbus.Dictionary)):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, (list, tuple)):
        return [plain(v) for v in value]
    if isinstance(value, (dbus.Boolean,)):
        return bool(value)
    if isinstance(value, int):
        return int(value)
    return str(value)


def redacted(args):
    """The call log with the key left out of the printout (the checks above compare it)."""
    return repr(plain(args)).replace(PSK, '<64 hex digits>')


def main():
    with nm.NmDouble() as double:
        dev = double.add_wifi_device('wlp2s0', '02:00:5E:10:00:01')
        open_ap = double.add_access_point(dev, 'ap_open', b'Harbor', '02:1A:11:F0:00:01', 2437,
                                          70, max_bitrate=130000)
        wpa2_ap = double.add_access_point(dev, 'ap_wpa2', SSID, BSSID, 5180, 55,
                                          rsn_flags=nm.RSN_WPA2_PSK_CCMP, max_bitrate=866700,
                                          bandwidth=80)

        # The bridge's side: its own connection to the "system" bus.
        bus = dbus.bus.BusConnection(double.address)
        manager = bus.get_object(nm.BUS_NAME, nm.MANAGER_OBJ)
        device = bus.get_object(nm.BUS_NAME, dev)
        expect('Version has AddAndActivateConnection2',
               manager.Get(nm.MANAGER_IFACE, 'Version', dbus_interface=PROPS), '1.42.4')

        device.RequestScan({}, dbus_interface=WIRELESS)
        expect('RequestScan moves LastScan',
               device.Get(WIRELESS, 'LastScan', dbus_interface=PROPS) > 0, True)
        aps = [str(p) for p in device.GetAllAccessPoints(dbus_interface=WIRELESS)]
        expect('GetAllAccessPoints', aps, [open_ap, wpa2_ap])
        for path in aps:
            p = bus.get_object(nm.BUS_NAME, path).GetAll(AP, dbus_interface=PROPS)
            print(f'     {bytes(p["Ssid"])!r} {p["HwAddress"]} {p["Frequency"]} MHz '
                  f'strength {int(p["Strength"])} flags {p["Flags"]:#x} wpa {p["WpaFlags"]:#x} '
                  f'rsn {p["RsnFlags"]:#x} max {p["MaxBitrate"]} kbit/s')

        double.deny(nm.NETWORK_CONTROL)
        perms = manager.GetPermissions(dbus_interface=nm.MANAGER_IFACE)
        expect('GetPermissions shows the refusal', str(perms[nm.NETWORK_CONTROL]), 'no')
        try:
            manager.AddAndActivateConnection2(wpa2_settings('alice'), dev, wpa2_ap,
                                              {'persist': 'volatile'},
                                              dbus_interface=nm.MANAGER_IFACE)
            expect('polkit refusal', 'accepted', 'PermissionDenied')
        except dbus.exceptions.DBusException as e:
            expect('polkit refusal', e.get_dbus_name(),
                   'org.freedesktop.NetworkManager.PermissionDenied')
            print(f'     message: {e.get_dbus_message()}')
        double.deny(nm.NETWORK_CONTROL, denied=False)

        settings = wpa2_settings('alice')
        _conn, active, _result = manager.AddAndActivateConnection2(
            settings, dev, wpa2_ap, {'persist': 'volatile'}, dbus_interface=nm.MANAGER_IFACE)
        expect('device activated', device.Get(DEVICE, 'State', dbus_interface=PROPS),
               DEVICE_ACTIVATED)
        expect('ActiveAccessPoint', str(device.Get(WIRELESS, 'ActiveAccessPoint',
                                                   dbus_interface=PROPS)), wpa2_ap)
        print(f'     active connection {active}')
        received = double.calls('AddAndActivateConnection2')
        # The refused call is in the log too: NetworkManager was asked twice.
        expect('two AddAndActivateConnection2 calls', len(received), 2)
        sent = received[-1][0]
        expect('psk as NetworkManager received it', str(sent['802-11-wireless-security']['psk']),
               PSK)
        expect('ssid bytes', bytes(sent['802-11-wireless']['ssid']), SSID)
        expect('permissions', [str(x) for x in sent['connection']['permissions']],
               ['user:alice'])
        expect('persist', str(received[-1][3]['persist']), 'volatile')

        double.set_statistics(dev, 123456, 654321)
        expect('statistics', (device.Get(STATISTICS, 'TxBytes', dbus_interface=PROPS),
                              device.Get(STATISTICS, 'RxBytes', dbus_interface=PROPS)),
               (123456, 654321))

        device.Disconnect(dbus_interface=DEVICE)
        expect('Disconnect', device.Get(DEVICE, 'State', dbus_interface=PROPS),
               DEVICE_DISCONNECTED)
        expect('volatile connection gone',
               len(bus.get_object(nm.BUS_NAME, '/org/freedesktop/NetworkManager/Settings')
                   .ListConnections(dbus_interface='org.freedesktop.NetworkManager.Settings')), 0)

        manager.Set(nm.MANAGER_IFACE, 'WirelessEnabled', False, dbus_interface=PROPS)
        expect('WirelessEnabled off',
               manager.Get(nm.MANAGER_IFACE, 'WirelessEnabled', dbus_interface=PROPS), False)

        double.remove_device(dev)
        expect('device removed', list(manager.GetDevices(dbus_interface=nm.MANAGER_IFACE)), [])

        print('call log (manager):')
        for args in received:
            print('     AddAndActivateConnection2', redacted(args))
        bus.close()
    print('smoke: the double stands in')


if __name__ == '__main__':
    main()
