"""NetworkManager double for the bridge's tests: dbusmock's networkmanager template plus what
the bridge reads or calls and the template lacks.

Loaded by path as a dbusmock template (nm_double.py does that). Everything of the stock
template stays; the additions are listed in docs/nm-bridge.md, "Testing without hardware".
"""

import binascii

import dbus

import dbusmock
from dbusmock import MOCK_IFACE
# Every name of the stock template, its D-Bus methods included, so AddTemplate installs them.
from dbusmock.templates.networkmanager import *  # noqa: F401,F403 pylint: disable=wildcard-import,unused-wildcard-import
from dbusmock.templates import networkmanager as stock

STATISTICS_IFACE = 'org.freedesktop.NetworkManager.Device.Statistics'
PERMISSION_DENIED = 'org.freedesktop.NetworkManager.PermissionDenied'
INVALID_PROPERTY = 'org.freedesktop.NetworkManager.Settings.Connection.InvalidProperty'
UNKNOWN_DEVICE = 'org.freedesktop.NetworkManager.UnknownDevice'

# NMDeviceWifiCapabilities: ciphers, WPA and RSN (0x3F), ad hoc, then the bands.
CAP_ADHOC = 0x80
CAP_FREQ_VALID = 0x100
CAP_FREQ_2GHZ = 0x200
CAP_FREQ_5GHZ = 0x400
WIFI_CAPS_DUAL_BAND = 0x3F | CAP_ADHOC | CAP_FREQ_VALID | CAP_FREQ_2GHZ | CAP_FREQ_5GHZ

# polkit actions the double can refuse; a refused call names its action in the message.
NETWORK_CONTROL = 'org.freedesktop.NetworkManager.network-control'
MODIFY_OWN = 'org.freedesktop.NetworkManager.settings.modify.own'
MODIFY_SYSTEM = 'org.freedesktop.NetworkManager.settings.modify.system'
WIFI_SCAN = 'org.freedesktop.NetworkManager.wifi.scan'
ENABLE_DISABLE_WIFI = 'org.freedesktop.NetworkManager.enable-disable-wifi'
ACTIONS = (NETWORK_CONTROL, MODIFY_OWN, MODIFY_SYSTEM, WIFI_SCAN, ENABLE_DISABLE_WIFI)


def _manager():
    return dbusmock.get_object(stock.MANAGER_OBJ)


def _check_permission(*actions):
    """Refuse as polkit would when the test has denied one of these actions."""
    for action in actions:
        if action in _manager().netvane_denied:
            raise dbus.exceptions.DBusException(f'Not authorized ({action})',
                                                name=PERMISSION_DENIED)


def get_permissions(_self):
    """What GetPermissions tells a desktop user: "yes", or "no" where the test denied it."""
    denied = _manager().netvane_denied
    return dbus.Dictionary({a: 'no' if a in denied else 'yes' for a in ACTIONS},
                           signature='ss')


def _check_psk(psk):
    """NetworkManager takes 8 to 63 characters of pass phrase, or exactly 64 hex digits."""
    text = str(psk)
    is_hex_key = len(text) == 64 and all(c in '0123456789abcdefABCDEF' for c in text)
    if not is_hex_key and not 8 <= len(text) <= 63:
        raise dbus.exceptions.DBusException('802-11-wireless-security.psk: invalid value',
                                            name=INVALID_PROPERTY)


def _find_ap(dev, ssid, bssid):
    """The device's access point with this BSSID (or, without one, this SSID), else "/"."""
    for path in dbusmock.get_object(dev).access_points:
        ap = dbusmock.get_object(path).props[stock.ACCESS_POINT_IFACE]
        if bssid and str(ap['HwAddress']).upper() == str(bssid).upper():
            return path
        if not bssid and ssid is not None and bytes(ap['Ssid']) == bytes(ssid):
            return path
    return '/'


def add_and_activate2(self, conn, dev, ap, options):
    """Keeps the settings as given (the call log has them too) and activates at once."""
    # A connection for this user alone needs modify.own; one for everybody modify.system.
    owned = len(conn.get('connection', {}).get('permissions', [])) > 0
    _check_permission(NETWORK_CONTROL, MODIFY_OWN if owned else MODIFY_SYSTEM)
    if str(dev) not in self.Get(stock.MANAGER_IFACE, 'Devices'):
        raise dbus.exceptions.DBusException(f'no device {dev}', name=UNKNOWN_DEVICE)
    security = conn.get('802-11-wireless-security', {})
    if 'psk' in security:
        _check_psk(security['psk'])
    wireless = conn.get('802-11-wireless', {})
    if str(ap) == '/':
        bssid = wireless.get('bssid')
        bssid_text = ':'.join(f'{b:02X}' for b in bytes(bssid)) if bssid else ''
        ap = _find_ap(dev, wireless.get('ssid'), bssid_text)

    settings = dbusmock.get_object(stock.SETTINGS_OBJ)
    conn_path = settings.SettingsAddConnection(conn)
    dbusmock.get_object(conn_path).netvane_volatile = str(options.get('persist', '')) == 'volatile'
    active = stock.activate_connection(self, conn_path, dev, ap)
    dbusmock.get_object(dev).Set(stock.WIRELESS_DEVICE_IFACE, 'ActiveAccessPoint',
                                 dbus.ObjectPath(ap))
    return (dbus.ObjectPath(conn_path), dbus.ObjectPath(active),
            dbus.Dictionary({}, signature='sv'))


def device_disconnect(self):
    """Deactivates the device; a volatile connection goes with it."""
    _check_permission(NETWORK_CONTROL)
    active = self.Get(stock.DEVICE_IFACE, 'ActiveConnection')
    if str(active) == '/':
        raise dbus.exceptions.DBusException('This device is not active',
                                            name='org.freedesktop.NetworkManager.Device.NotActive')
    conn_path = dbusmock.get_object(active).Get(stock.ACTIVE_CONNECTION_IFACE, 'Connection')
    _manager().RemoveActiveConnection(self.path, active)
    self.Set(stock.WIRELESS_DEVICE_IFACE, 'ActiveAccessPoint', dbus.ObjectPath('/'))
    conn = dbusmock.get_object(conn_path)
    if getattr(conn, 'netvane_volatile', False):
        conn.ConnectionDelete(conn)


def request_scan(self):
    """A scan that finds the access points already there: only LastScan moves."""
    _check_permission(WIFI_SCAN)
    # A count, not the boot clock: the double stays deterministic.
    last = self.Get(stock.WIRELESS_DEVICE_IFACE, 'LastScan')
    self.Set(stock.WIRELESS_DEVICE_IFACE, 'LastScan', dbus.Int64(max(int(last), 0) + 1000))


def load(mock, parameters):
    # AddAndActivateConnection2 and persist "volatile" came with NetworkManager 1.16; the
    # stock template claims 0.9.6.0.
    parameters = dict(parameters)
    parameters.setdefault('Version', '1.42.4')
    stock.load(mock, parameters)
    manager = _manager()
    manager.AddMethod(stock.MANAGER_IFACE, 'AddAndActivateConnection2', 'a{sa{sv}}ooa{sv}',
                      'ooa{sv}', 'ret = self.netvane_add_and_activate2(self, *args)')
    manager.AddMethod(stock.MANAGER_IFACE, 'GetPermissions', '', 'a{ss}',
                      'ret = self.netvane_get_permissions(self)')
    manager.netvane_add_and_activate2 = add_and_activate2
    manager.netvane_get_permissions = get_permissions
    manager.netvane_denied = set()


@dbus.service.method(MOCK_IFACE, in_signature='ssss', out_signature='s')
def AddNetvaneWiFiDevice(self, device_name, iface_name, hw_address, driver):
    """A Wi-Fi device as a laptop has it: its own address, driver and versions, no active
    access point, statistics, Disconnect and a RequestScan that moves LastScan."""
    path = stock.AddWiFiDevice(self, device_name, iface_name, stock.DeviceState.DISCONNECTED)
    dev = dbusmock.get_object(path)
    dev.UpdateProperties(stock.WIRELESS_DEVICE_IFACE, {
        'HwAddress': dbus.String(hw_address),
        'PermHwAddress': dbus.String(hw_address),
        'Bitrate': dbus.UInt32(0),
        'WirelessCapabilities': dbus.UInt32(WIFI_CAPS_DUAL_BAND),
    })
    dev.AddProperties(stock.WIRELESS_DEVICE_IFACE, {
        'ActiveAccessPoint': dbus.ObjectPath('/'),
        'LastScan': dbus.Int64(-1),
    })
    dev.UpdateProperties(stock.DEVICE_IFACE, {'Driver': dbus.String(driver)})
    dev.AddProperties(stock.DEVICE_IFACE, {
        'HwAddress': dbus.String(hw_address),
        'DriverVersion': dbus.String('6.1.0-test'),
        'FirmwareVersion': dbus.String('1.2.3'),
        'Udi': dbus.String('/sys/devices/virtual/net/' + iface_name),
        'Real': dbus.Boolean(True),
    })
    dev.AddProperties(STATISTICS_IFACE, {
        'RefreshRateMs': dbus.UInt32(0),
        'TxBytes': dbus.UInt64(0),
        'RxBytes': dbus.UInt64(0),
    })
    dev.AddMethod(stock.DEVICE_IFACE, 'Disconnect', '', '', 'self.netvane_disconnect(self)')
    dev.AddMethod(stock.WIRELESS_DEVICE_IFACE, 'RequestScan', 'a{sv}', '',
                  'self.netvane_request_scan(self)')
    dev.netvane_disconnect = device_disconnect
    dev.netvane_request_scan = request_scan
    return path


@dbus.service.method(MOCK_IFACE, in_signature='ssayssuuuyuuu', out_signature='s')
def AddNetvaneAccessPoint(self, dev_path, ap_name, ssid, bssid, mode_name, frequency,
                          max_bitrate, bandwidth, strength, flags, wpa_flags, rsn_flags):
    """An access point with its SSID as raw bytes and Flags, WpaFlags and RsnFlags each as
    given (the stock one copies one value into both WpaFlags and RsnFlags)."""
    modes = {'adhoc': 1, 'infrastructure': 2}
    path = stock.AddAccessPoint(self, dev_path, ap_name, '', bssid, modes[str(mode_name)],
                                frequency, max_bitrate, strength, 0)
    dbusmock.get_object(path).UpdateProperties(stock.ACCESS_POINT_IFACE, {
        'Ssid': dbus.Array([dbus.Byte(b) for b in bytes(ssid)], signature='y'),
        'Flags': dbus.UInt32(flags),
        'WpaFlags': dbus.UInt32(wpa_flags),
        'RsnFlags': dbus.UInt32(rsn_flags),
    })
    dbusmock.get_object(path).AddProperties(stock.ACCESS_POINT_IFACE, {
        'Bandwidth': dbus.UInt32(bandwidth),
    })
    return path


@dbus.service.method(MOCK_IFACE, in_signature='stt', out_signature='')
def SetNetvaneStatistics(_self, dev_path, tx_bytes, rx_bytes):
    """Byte counts as NetworkManager publishes them once RefreshRateMs is not 0."""
    dev = dbusmock.get_object(dev_path)
    dev.Set(STATISTICS_IFACE, 'TxBytes', dbus.UInt64(tx_bytes))
    dev.Set(STATISTICS_IFACE, 'RxBytes', dbus.UInt64(rx_bytes))


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def RemoveNetvaneDevice(self, dev_path):
    """The adapter pulled out: gone from Devices, DeviceRemoved, the object removed."""
    manager = _manager()
    devices = [d for d in manager.Get(stock.MANAGER_IFACE, 'Devices') if str(d) != dev_path]
    manager.Set(stock.MANAGER_IFACE, 'Devices', dbus.Array(devices, signature='o'))
    manager.EmitSignal(stock.MANAGER_IFACE, 'DeviceRemoved', 'o', [dbus.ObjectPath(dev_path)])
    for ap in list(dbusmock.get_object(dev_path).access_points):
        self.RemoveAccessPoint(dev_path, ap)
    self.object_manager_emit_removed(dev_path)
    self.RemoveObject(dev_path)


@dbus.service.method(MOCK_IFACE, in_signature='asb', out_signature='')
def SetNetvaneDenied(_self, actions, denied):
    """Makes polkit refuse (or allow again) these actions, for the calls that need them and
    in GetPermissions, and says so with CheckPermissions. Setting WirelessEnabled is not guarded: the mock's Properties.Set is
    shared by every object."""
    for action in actions:
        if str(action) not in ACTIONS:
            raise dbus.exceptions.DBusException(f'cannot deny {action}',
                                                name='org.freedesktop.DBus.Mock.NameError')
        if denied:
            _manager().netvane_denied.add(str(action))
        else:
            _manager().netvane_denied.discard(str(action))
    # As NetworkManager does when polkit's answers change: clients read GetPermissions again.
    _manager().EmitSignal(stock.MANAGER_IFACE, 'CheckPermissions', '', [])


def mac_bytes(text):
    """"AA:BB:..." as the six bytes 802-11-wireless.bssid takes."""
    return binascii.unhexlify(text.replace(':', ''))
