#!/usr/bin/python3
"""Starts and stops the FTP servers the tests talk to.

  servers.py start --state DIR   start all servers, write DIR/servers.txt
  servers.py stop  --state DIR   stop what `start` recorded in DIR

Servers (all on 127.0.0.1):
  pyftpdlib  pyftpdlib, user ravo + anonymous, MLSD, root DIR/pyftpdlib-root
  shifted    pyftpdlib, user ravo, no MLSD, listed times +60 min,
             root DIR/shifted-root
  fastclock  pyftpdlib, user ravo, no MLSD, no MFMT, stored times 20 s
             ahead (a server clock off by part of a minute)
  vsftpd     vsftpd, local user ravoftp, root DIR/vsftpd-root

With explicit TLS required for logins and data (certificates made fresh by
every start, see certs.py; DIR/ca.pem and DIR/ca.der are the private CA):
  vsftpd-tls        vsftpd, CA-signed certificate, no session reuse demanded
  vsftpd-tls-reuse  the same, demanding TLS session reuse on data connections
  proftpd-tls       ProFTPD, CA-signed certificate, no session reuse demanded
  pyftpdlib-tls     pyftpdlib, user ravo, CA-signed certificate
  tls-selfsigned    pyftpdlib, user ravo, self-signed certificate
  tls-expired       pyftpdlib, user ravo, expired CA-signed certificate
  tls-wrongname     pyftpdlib, user ravo, CA-signed for another host name
servers.txt gives each TLS server's certificate fingerprint as
<name>.sha256 ("AB:CD:...") and the CA as ca.pem= and ca.der=.

Each runs detached in its own session, with output in DIR/<name>.log and its
PID in DIR/<name>.pid, so a calling CTest neither waits on their pipes nor
loses track of them. Must run as root (vsftpd needs it).
"""

import argparse
import os
import random
import signal
import socket
import subprocess
import sys
import time
import certs
from ports import port_is_free
from proftpd_run import PROFTPD

HERE = os.path.dirname(os.path.realpath(__file__))
PYTHON = "/usr/bin/python3"  # the interpreter that has pyftpdlib
READY_TIMEOUT = 10.0
STOP_GRACE = 3.0
PASV_RANGE_SIZE = 100
NAMES = ("pyftpdlib", "shifted", "welcome", "vsftpd",
         "vsftpd-tls", "vsftpd-tls-reuse", "proftpd-tls", "pyftpdlib-tls",
         "tls-selfsigned", "tls-expired", "tls-wrongname", "fastclock")
LAUNCHERS = ("pyftpd.py", "vsftpd_run.py", "proftpd_run.py")
# Daemons that fork a session process per client, found by their config.
DAEMON_CONFIGS = (("vsftpd", "vsftpd.conf"), ("vsftpd-tls", "vsftpd.conf"),
                  ("vsftpd-tls-reuse", "vsftpd.conf"), ("proftpd-tls", "proftpd.conf"))


def log(msg):
    sys.stderr.write("servers: %s\n" % msg)




def pick_passive_ranges(count):
    """Disjoint free ranges, one per server, below the ephemeral range.

    Distinct ranges mean a passive connection can only ever reach the server
    that announced it, even when the tests run servers side by side.
    """
    ranges = []
    slots = list(range(20000, 32000 - PASV_RANGE_SIZE, PASV_RANGE_SIZE))
    random.shuffle(slots)
    for low in slots:
        if all(port_is_free(p) for p in range(low, low + PASV_RANGE_SIZE)):
            ranges.append((low, low + PASV_RANGE_SIZE - 1))
            if len(ranges) == count:
                return ranges
    raise RuntimeError("found no free passive-port ranges")


def server_commands(state, pasv, certificates):
    def root(name):
        return os.path.join(state, name + "-root")

    def common(i, name):
        return ["--port", "0", "--passive-ports", "%d-%d" % pasv[i],
                "--ready-file", os.path.join(state, name + ".ready")]

    def tls(kind):
        return ["--tls-cert", certificates[kind]["cert"], "--tls-key", certificates[kind]["key"]]

    def ravo(name, kind=None):
        props = {"root": root(name), "user": "ravo", "password": "ravo-pw"}
        if kind:
            props["sha256"] = certificates[kind]["sha256"]
        return props

    def daemon_state(name):
        # The launcher gets a second less than we wait, so its own, more
        # precise, failure message reaches the log before we give up.
        return ["--state", os.path.join(state, name + "-state"),
                "--timeout", str(READY_TIMEOUT - 1)]

    def vsftpd(i, name, *extra):
        cmd = [PYTHON, os.path.join(HERE, "vsftpd_run.py"), "--root", root(name),
               "--user", "ravoftp"] + daemon_state(name) + common(i, name) + list(extra)
        props = {"root": root(name), "user": "ravoftp", "password": "ravoftp-pw"}
        if extra:
            props["sha256"] = certificates["tls"]["sha256"]
        return (name, cmd, props)

    def pyftpd(i, name, *extra):
        cmd = [PYTHON, os.path.join(HERE, "pyftpd.py"), "--root", root(name),
               "--user", "ravo", "--password", "ravo-pw"] + common(i, name) + list(extra)
        return cmd

    return [
        ("pyftpdlib", pyftpd(0, "pyftpdlib", "--anonymous"), ravo("pyftpdlib")),
        ("shifted", pyftpd(1, "shifted", "--no-mlsd", "--time-shift-minutes", "60"),
         ravo("shifted")),
        # A multi-line greeting, and a user whose login folder is read-only.
        ("welcome", pyftpd(2, "welcome", "--readonly-user", "reader:reader-pw:writable",
                           "--banner", "Welcome to the sample site.\\nPlease be nice."),
         ravo("welcome")),
        vsftpd(3, "vsftpd"),
        vsftpd(4, "vsftpd-tls", *tls("tls")),
        vsftpd(5, "vsftpd-tls-reuse", *(tls("tls") + ["--tls-reuse"])),
        ("proftpd-tls",
         [PYTHON, os.path.join(HERE, "proftpd_run.py"), "--root", root("proftpd-tls"),
          "--user", "ravoftp", "--password", "ravoftp-pw"] + daemon_state("proftpd-tls")
         + common(6, "proftpd-tls") + tls("tls"),
         {"root": root("proftpd-tls"), "user": "ravoftp", "password": "ravoftp-pw",
          "sha256": certificates["tls"]["sha256"]}),
        ("pyftpdlib-tls", pyftpd(7, "pyftpdlib-tls", *tls("tls")), ravo("pyftpdlib-tls", "tls")),
        ("tls-selfsigned", pyftpd(8, "tls-selfsigned", *tls("selfsigned")),
         ravo("tls-selfsigned", "selfsigned")),
        ("tls-expired", pyftpd(9, "tls-expired", *tls("expired")), ravo("tls-expired", "expired")),
        ("tls-wrongname", pyftpd(10, "tls-wrongname", *tls("wrongname")),
         ravo("tls-wrongname", "wrongname")),
        # A server clock 20 s ahead that takes no times: LIST only, no MFMT.
        ("fastclock", pyftpd(11, "fastclock", "--no-mlsd", "--no-mfmt", "--clock-ahead-seconds", "20"),
         ravo("fastclock")),
    ]


# --- process bookkeeping ---------------------------------------------------

def proc_state(pid):
    """Process state letter, or None when the process is gone.

    A zombie counts as gone: PID 1 in some containers never reaps orphans,
    so a stopped server may linger as a zombie indefinitely.
    """
    try:
        with open("/proc/%d/stat" % pid) as f:
            stat = f.read()
    except OSError:
        return None
    letter = stat[stat.rindex(")") + 2:].split()[0]
    return None if letter in ("Z", "X") else letter


def is_ours(pid, state):
    """True if pid still runs one of our launchers for this state folder.

    Guards against a recycled PID: a stale pid file must never make us
    signal an unrelated process.
    """
    if proc_state(pid) is None:
        return False
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            argv = f.read().decode("utf-8", "replace").split("\0")
    except OSError:
        return False
    scripts = tuple(os.path.join(HERE, name) for name in LAUNCHERS)
    return any(a in scripts for a in argv) and any(a.startswith(state + os.sep) for a in argv)


def signal_server(pid, sig):
    # Each server was started as a session leader (start_new_session), so
    # its PID is also its process-group id: signalling the group reaches
    # the launcher and the vsftpd listener it runs, even if the launcher
    # is stuck.
    for target in (lambda: os.killpg(pid, sig), lambda: os.kill(pid, sig)):
        try:
            target()
        except (ProcessLookupError, PermissionError):
            pass


def holds_file_in(pid, folder):
    """True if the process has a file below `folder` open."""
    try:
        fds = os.listdir("/proc/%s/fd" % pid)
    except OSError:
        return False
    for fd in fds:
        try:
            if os.readlink("/proc/%s/fd/%s" % (pid, fd)).startswith(folder):
                return True
        except OSError:
            pass
    return False


def leftover_daemons(state):
    """vsftpd or ProFTPD processes still using this state folder's configs.

    vsftpd puts every client session into a session of its own, so they
    escape the group signal; the launcher stops them itself, but if the
    launcher had to be killed outright they are orphaned. vsftpd's are found
    by the private config path in their command line, which no other process
    has. ProFTPD rewrites its command line, so its processes are found by
    their binary and the logs they hold open in their private state folder.
    """
    confs = [os.path.join(state, name + "-state", conf).encode()
             for name, conf in DAEMON_CONFIGS]
    proftpd_states = [os.path.join(state, name + "-state") + os.sep
                      for name, conf in DAEMON_CONFIGS if conf == "proftpd.conf"]
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % entry, "rb") as f:
                argv = f.read().split(b"\0")
            exe = os.readlink("/proc/%s/exe" % entry)
        except OSError:
            continue
        ours = any(c in argv for c in confs) or (
            exe == PROFTPD and any(holds_file_in(entry, d) for d in proftpd_states))
        if ours and proc_state(int(entry)) is not None:
            found.append(int(entry))
    return found


def stop(state):
    pids = {}
    for name in NAMES:
        pid_file = os.path.join(state, name + ".pid")
        try:
            with open(pid_file) as f:
                pid = int(f.read().strip())
        except (OSError, ValueError):
            continue
        if is_ours(pid, state):
            pids[name] = pid
    for pid in pids.values():
        signal_server(pid, signal.SIGTERM)
    deadline = time.monotonic() + STOP_GRACE
    while time.monotonic() < deadline and any(proc_state(p) for p in pids.values()):
        time.sleep(0.05)
    for name, pid in pids.items():
        if proc_state(pid):
            log("%s (pid %d) ignored SIGTERM, killing it" % (name, pid))
            signal_server(pid, signal.SIGKILL)
    for pid in leftover_daemons(state):
        log("killing orphaned daemon session %d" % pid)
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    # Wait briefly for SIGKILL to take effect, so callers that check for
    # leftovers right after `stop` returns see none.
    deadline = time.monotonic() + 2.0
    while time.monotonic() < deadline and (
            any(proc_state(p) for p in pids.values()) or leftover_daemons(state)):
        time.sleep(0.05)
    for name in NAMES:
        for suffix in (".pid", ".ready"):
            try:
                os.unlink(os.path.join(state, name + suffix))
            except OSError:
                pass
    # Ports in it are no longer valid; a stale file would only mislead.
    try:
        os.unlink(os.path.join(state, "servers.txt"))
    except OSError:
        pass
    return 0


def start(state):
    if os.geteuid() != 0:
        log("must run as root (vsftpd needs it for local-user logins)")
        return 1
    os.makedirs(state, exist_ok=True)
    # vsftpd enters its root with the test user's ids, so the user needs to
    # cross this folder (0700 is common for temporary folders).
    os.chmod(state, os.stat(state).st_mode | 0o011)
    # Leftovers of an earlier run in the same folder would hold ports and
    # confuse the pid files.
    stop(state)

    pasv = pick_passive_ranges(len(NAMES))
    certificates = certs.make_all(state)
    started = []
    info = []
    try:
        # All are launched first and waited for afterwards: each takes a few
        # tenths of a second to start, and they start side by side.
        for name, cmd, props in server_commands(state, pasv, certificates):
            ready_file = os.path.join(state, name + ".ready")
            log_path = os.path.join(state, name + ".log")
            try:
                os.unlink(ready_file)
            except OSError:
                pass
            os.makedirs(props["root"], exist_ok=True)
            with open(log_path, "wb") as out:
                proc = subprocess.Popen(cmd, stdin=subprocess.DEVNULL, stdout=out,
                                        stderr=subprocess.STDOUT, close_fds=True,
                                        start_new_session=True)
            started.append((name, proc, ready_file, log_path, props))
            with open(os.path.join(state, name + ".pid"), "w") as f:
                f.write("%d\n" % proc.pid)
        for name, proc, ready_file, log_path, props in started:
            port = wait_ready(name, proc, ready_file, log_path)
            info.append((name, port, props))
    except RuntimeError as e:
        log(str(e))
        stop(state)
        for entry in started:
            entry[1].poll()  # reap what we can; stop() has signalled them
        return 1

    lines = []
    for name, port, props in info:
        lines.append("%s.port=%d" % (name, port))
        for key in ("root", "user", "password", "sha256"):
            if key in props:
                lines.append("%s.%s=%s" % (name, key, props[key]))
    for form in ("pem", "der"):
        lines.append("ca.%s=%s" % (form, os.path.join(state, "ca." + form)))
    tmp = os.path.join(state, "servers.txt.tmp")
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    os.replace(tmp, os.path.join(state, "servers.txt"))
    for name, port, _ in info:
        log("%s listening on 127.0.0.1:%d" % (name, port))
    return 0


def wait_ready(name, proc, ready_file, log_path):
    deadline = time.monotonic() + READY_TIMEOUT
    while time.monotonic() < deadline:
        if os.path.exists(ready_file):
            with open(ready_file) as f:
                text = f.read().strip()
            if text.isdigit():
                return int(text)
        if proc.poll() is not None:
            raise RuntimeError("%s failed to start (exit code %d): %s"
                               % (name, proc.returncode, tail(log_path)))
        time.sleep(0.05)
    raise RuntimeError("%s not ready within %.0f s: %s"
                       % (name, READY_TIMEOUT, tail(log_path)))


def tail(path, limit=2000):
    try:
        with open(path, "rb") as f:
            text = f.read().decode("utf-8", "replace").strip()
    except OSError:
        return "(no log)"
    return text[-limit:] or "(no output)"


def main():
    p = argparse.ArgumentParser(description="Start/stop the test FTP servers.")
    p.add_argument("action", choices=("start", "stop"))
    p.add_argument("--state", required=True, help="folder for roots, pid files, logs")
    args = p.parse_args()
    # One spelling of the folder for start and stop: it is matched against
    # the command lines of the running servers.
    state = os.path.realpath(args.state)
    if args.action == "start":
        return start(state)
    if os.path.isdir(state):
        stop(state)
    return 0


if __name__ == "__main__":
    sys.exit(main())
