#!/usr/bin/python3
"""A NetworkManager double on a private bus, for the bridge's tests.

As a module: NmDouble starts a dbus-daemon of its own and dbusmock with
netvane_nm_template.py on it, and hands out the bus address the bridge takes from
DBUS_SYSTEM_BUS_ADDRESS. As a program (for tests in other languages): prints
{"address": "<address>"} once NetworkManager's name is on the bus, then answers one JSON
command a line, {"cmd": "<NmDouble method>", ...its arguments by name}, with one line,
{"ok": true, "result": ...} or {"ok": false, "error": "..."}, until its standard input closes.

Needs Debian's python3-dbusmock, so it runs under /usr/bin/python3.
"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

from dbusmock import MOCK_IFACE

BUS_NAME = 'org.freedesktop.NetworkManager'
MANAGER_OBJ = '/org/freedesktop/NetworkManager'
MANAGER_IFACE = 'org.freedesktop.NetworkManager'
TEMPLATE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'netvane_nm_template.py')
# Not a pause: the most the start may take before it counts as failed.
START_LIMIT_S = 20

NETWORK_CONTROL = 'org.freedesktop.NetworkManager.network-control'
WIFI_SCAN = 'org.freedesktop.NetworkManager.wifi.scan'

# NM80211ApFlags and NM80211ApSecurityFlags.
AP_PRIVACY = 0x1
SEC_PAIR_WEP40, SEC_PAIR_WEP104, SEC_PAIR_TKIP, SEC_PAIR_CCMP = 0x1, 0x2, 0x4, 0x8
SEC_GROUP_WEP40, SEC_GROUP_WEP104, SEC_GROUP_TKIP, SEC_GROUP_CCMP = 0x10, 0x20, 0x40, 0x80
SEC_KEY_MGMT_PSK, SEC_KEY_MGMT_802_1X, SEC_KEY_MGMT_SAE = 0x100, 0x200, 0x400
SEC_KEY_MGMT_OWE, SEC_KEY_MGMT_OWE_TM = 0x800, 0x1000
# What a WPA2-PSK network with CCMP announces, as NetworkManager reads it from the beacon.
RSN_WPA2_PSK_CCMP = SEC_PAIR_CCMP | SEC_GROUP_CCMP | SEC_KEY_MGMT_PSK


class NmDouble:
    """Start with start() (or `with`); stop() ends both processes and removes the folder."""

    def __init__(self):
        self.folder = None
        self.address = None
        self.log_path = None
        self._daemon = None
        self._mock = None
        self._bus = None

    def __enter__(self):
        return self.start()

    def __exit__(self, *_):
        self.stop()

    @property
    def env(self):
        """The environment for a client of the double (the bridge, gdbus, dbus-send)."""
        env = dict(os.environ)
        env['DBUS_SYSTEM_BUS_ADDRESS'] = self.address
        return env

    def start(self):
        # The call log holds the keys the tests hand over: a private folder, gone at stop().
        self.folder = tempfile.mkdtemp(prefix='netvane-nm-')
        self.log_path = os.path.join(self.folder, 'calls.log')
        try:
            self._start_daemon()
            self._start_mock()
        except BaseException:
            self.stop()
            raise
        return self

    def _start_daemon(self):
        # A bus of our own making: the stock session configuration raises the file limit,
        # which an unprivileged test cannot, and says so on standard error.
        config = os.path.join(self.folder, 'bus.conf')
        with open(config, 'w', encoding='utf-8') as out:
            out.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration'
                      ' 1.0//EN" "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">'
                      f'<busconfig><type>session</type><listen>unix:path={self.folder}/bus'
                      '</listen><auth>EXTERNAL</auth><policy context="default">'
                      '<allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>'
                      '<allow own="*"/></policy></busconfig>\n')
        self._daemon = subprocess.Popen(
            ['dbus-daemon', f'--config-file={config}', '--nofork', '--nopidfile',
             '--print-address=1'],
            stdout=subprocess.PIPE, stdin=subprocess.DEVNULL, text=True)
        self.address = self._daemon.stdout.readline().strip()
        if not self.address:
            raise RuntimeError('dbus-daemon gave no address')
        self._bus = dbus.bus.BusConnection(self.address,
                                           mainloop=dbus.mainloop.glib.DBusGMainLoop())

    def _start_mock(self):
        """Starts dbusmock and returns once it owns NetworkManager's name (no polling)."""
        loop = GLib.MainLoop()
        failure = []

        def owner_changed(name, _old, new):
            if name == BUS_NAME and new:
                loop.quit()

        def gave_up(reason):
            failure.append(reason)
            loop.quit()
            return False

        watch = self._bus.add_signal_receiver(owner_changed, 'NameOwnerChanged',
                                              'org.freedesktop.DBus', arg0=BUS_NAME)
        self._mock = subprocess.Popen(
            [sys.executable, '-m', 'dbusmock', '--system', '--template', TEMPLATE,
             '--logfile', self.log_path],
            env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        GLib.child_watch_add(self._mock.pid, lambda *_: gave_up('dbusmock exited'))
        GLib.timeout_add_seconds(START_LIMIT_S, gave_up, 'dbusmock did not start in time')
        if not self._bus.name_has_owner(BUS_NAME):
            loop.run()
        watch.remove()
        if failure and not self._bus.name_has_owner(BUS_NAME):
            raise RuntimeError(failure[0])

    def stop(self):
        for process in (self._mock, self._daemon):
            if process is not None and process.poll() is None:
                process.terminate()
                process.wait()
        if self._daemon is not None:
            self._daemon.stdout.close()
        self._mock = self._daemon = None
        if self._bus is not None:
            self._bus.close()
            self._bus = None
        if self.folder is not None:
            shutil.rmtree(self.folder, ignore_errors=True)
            self.folder = None

    # The test's side: set the scene, then read what NetworkManager was asked.

    def object(self, path):
        return self._bus.get_object(BUS_NAME, path)

    def mock(self, path='/org/freedesktop'):
        return dbus.Interface(self.object(path), MOCK_IFACE)

    def add_wifi_device(self, iface='wlp2s0', hw_address='02:00:5E:10:00:01', driver='iwlwifi'):
        return str(self.mock().AddNetvaneWiFiDevice(iface, iface, hw_address, driver))

    def add_access_point(self, dev, name, ssid, bssid, frequency, strength, *, rsn_flags=0,
                         wpa_flags=0, privacy=None, max_bitrate=54000, bandwidth=20,
                         mode='infrastructure'):
        # Privacy follows the security flags unless the test says otherwise (WEP has none).
        if privacy is None:
            privacy = (rsn_flags | wpa_flags) != 0
        flags = AP_PRIVACY if privacy else 0
        return str(self.mock().AddNetvaneAccessPoint(
            dev, name, dbus.ByteArray(bytes(ssid)), bssid, mode, dbus.UInt32(frequency),
            dbus.UInt32(max_bitrate), dbus.UInt32(bandwidth), dbus.Byte(strength),
            dbus.UInt32(flags), dbus.UInt32(wpa_flags), dbus.UInt32(rsn_flags)))

    def set_statistics(self, dev, tx_bytes, rx_bytes):
        self.mock().SetNetvaneStatistics(dev, dbus.UInt64(tx_bytes), dbus.UInt64(rx_bytes))

    def remove_access_point(self, dev, ap):
        self.mock().RemoveAccessPoint(dev, ap)

    def remove_device(self, dev):
        self.mock().RemoveNetvaneDevice(dev)

    def deny(self, *actions, denied=True):
        """polkit actions by their id, e.g. NETWORK_CONTROL."""
        self.mock().SetNetvaneDenied(dbus.Array(actions, signature='s'), denied)

    def set_property(self, path, iface, name, value):
        self.mock().SetProperty(path, iface, name, value)

    def get_property(self, path, iface, name):
        return self.object(path).Get(iface, name, dbus_interface=dbus.PROPERTIES_IFACE)

    def leave(self):
        """NetworkManager stops and leaves the bus."""
        self._mock.terminate()
        self._mock.wait()

    def come_back(self):
        """NetworkManager starts again, with nothing: the test sets the scene again."""
        self._start_mock()

    def stall(self, stalled=True):
        """NetworkManager stops answering anything (as while polkit asks), or goes on."""
        os.kill(self._mock.pid, signal.SIGSTOP if stalled else signal.SIGCONT)

    def calls(self, method, path=MANAGER_OBJ):
        """The arguments of every call of `method` on `path`, oldest first."""
        return [args for _time, args in self.mock(path).GetMethodCalls(method)]


# The control mode's JSON: SSIDs and other bytes come as a list of numbers or a hex string; a
# value for set_property carries its D-Bus type.
DBUS_TYPES = {'b': dbus.Boolean, 'y': dbus.Byte, 'u': dbus.UInt32, 'i': dbus.Int32,
              't': dbus.UInt64, 'x': dbus.Int64, 's': dbus.String, 'o': dbus.ObjectPath}


def from_json_bytes(value):
    return bytes.fromhex(value) if isinstance(value, str) else bytes(value)


def to_json(value):
    """D-Bus values as JSON: bytes as a list of numbers, paths as strings."""
    if isinstance(value, (dbus.Array, list)) and getattr(value, 'signature', None) == 'y':
        return list(bytes(value))
    if isinstance(value, (dbus.ByteArray, bytes)):
        return list(value)
    if isinstance(value, dict):
        return {str(k): to_json(v) for k, v in value.items()}
    if isinstance(value, (list, tuple)):
        return [to_json(v) for v in value]
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, int):
        return int(value)
    if isinstance(value, float):
        return float(value)
    return None if value is None else str(value)


def run_command(double, command):
    name = command.pop('cmd')
    if name == 'add_access_point':
        command['ssid'] = from_json_bytes(command['ssid'])
    elif name == 'deny':
        return double.deny(*command['actions'], denied=command.get('denied', True))
    elif name == 'set_property':
        signature = command.pop('type')
        value = command['value']
        command['value'] = (dbus.Array([DBUS_TYPES[signature[1]](v) for v in value],
                                       signature=signature[1]) if signature.startswith('a')
                            else DBUS_TYPES[signature](value))
    commands = {'add_device': double.add_wifi_device, 'add_access_point': double.add_access_point,
                'remove_access_point': double.remove_access_point,
                'set_statistics': double.set_statistics, 'remove_device': double.remove_device,
                'set_property': double.set_property, 'get_property': double.get_property,
                'calls': double.calls, 'stall': double.stall,
                'leave': double.leave, 'come_back': double.come_back}
    if name not in commands:
        raise ValueError(f'unknown command {name}')
    return commands[name](**command)


def serve():
    with NmDouble() as double:
        print(json.dumps({'address': double.address}), flush=True)
        for line in sys.stdin:
            try:
                answer = {'ok': True, 'result': to_json(run_command(double, json.loads(line)))}
            except Exception as e:  # pylint: disable=broad-except
                answer = {'ok': False, 'error': f'{type(e).__name__}: {e}'}
            print(json.dumps(answer), flush=True)


if __name__ == '__main__':
    serve()
