"""Runs a forking FTP daemon (vsftpd, ProFTPD) in the foreground for the tests.

Shared by vsftpd_run.py and proftpd_run.py: the daemon is started with a
config of the caller's, the launcher waits until its port answers "220",
writes the ready file, then stays until the daemon exits; SIGTERM/SIGINT stop
the daemon together with every session process it forked (the launcher is
their subreaper).
"""

import ctypes
import os
import pwd
import random
import signal
import socket
import subprocess
import sys
import time
from ports import port_is_free

PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36


class LaunchError(Exception):
    pass


def free_port():
    # Neither daemon has "port 0": take one from the kernel and hand it over.
    # The short window in between is covered by retrying if it cannot bind.
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def free_range(count=100):
    # Below the kernel's ephemeral range, so client sockets never sit on it.
    for _ in range(200):
        low = random.randrange(20000, 32000 - count)
        if all(port_is_free(p) for p in range(low, low + count)):
            return low, low + count - 1
    raise LaunchError("found no free passive-port range")


def prepare_root(fail, daemon, why_root, user_name, root):
    """Checks what a daemon logging in a local user needs and opens `root`.

    Returns the user's pwd entry and the absolute root; calls `fail` with a
    clear message for anything missing.
    """
    if os.geteuid() != 0:
        fail("must run as root (%s)" % why_root)
    if not os.access(daemon, os.X_OK):
        fail("%s not found: run scripts/setup" % daemon)
    try:
        user = pwd.getpwnam(user_name)
    except KeyError:
        fail("local user %r does not exist: run scripts/setup as root" % user_name)
    root = os.path.abspath(root)
    os.makedirs(root, exist_ok=True)
    # Open to everyone: the tests create files here as root and must be able
    # to handle what the user uploads, and the other way round.
    os.chmod(root, 0o777)
    if not user_can_use(root, user):
        fail("user %r cannot enter %s: every parent folder needs o+x" % (user_name, root))
    return user, root


def user_can_use(root, user):
    """True if `user` (a pwd entry) can enter, list and write `root`.

    The daemons enter the root with the user's own ids, so a folder that is
    fine for root (e.g. below a 0700 temporary folder) can still fail the
    login with an unhelpful message. Checking it here with a forked child
    running as the user gives a clear one instead.
    """
    pid = os.fork()
    if pid == 0:
        try:
            os.setgroups(os.getgrouplist(user.pw_name, user.pw_gid))
            os.setgid(user.pw_gid)
            os.setuid(user.pw_uid)
            ok = os.access(root, os.R_OK | os.W_OK | os.X_OK)
            os._exit(0 if ok else 1)
        except BaseException:
            os._exit(2)
    _, status = os.waitpid(pid, 0)
    return os.WIFEXITED(status) and os.WEXITSTATUS(status) == 0


def answers_220(port, timeout=1.0):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=timeout) as s:
            s.settimeout(timeout)
            data = b""
            while b"\n" not in data:
                chunk = s.recv(512)
                if not chunk:
                    break
                data += chunk
            try:
                s.sendall(b"QUIT\r\n")
            except OSError:
                pass
            return data.startswith(b"220")
    except OSError:
        return False


def set_child_death_signal():
    # Runs in the child before exec: if the launcher is killed outright
    # (SIGKILL), the kernel still stops vsftpd's listener. ProFTPD's listener
    # loses the setting when it changes its ids; servers.py's stop finds it.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


def children_of(pid):
    kids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                stat = f.read()
        except OSError:
            continue
        # The command name is in parentheses and may hold spaces.
        fields = stat[stat.rindex(")") + 2:].split()
        if int(fields[1]) == pid and fields[0] != "Z":
            kids.append(int(entry))
    return kids


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def stop_all_children(grace=2.0):
    """Stops the daemon and every session process it forked: orphaned
    sessions are re-parented to this launcher (a subreaper)."""
    sig = signal.SIGTERM
    deadline = time.monotonic() + grace
    while True:
        reap()
        kids = children_of(os.getpid())
        if not kids:
            return
        for k in kids:
            try:
                os.kill(k, sig)
            except ProcessLookupError:
                pass
        if time.monotonic() > deadline:
            sig = signal.SIGKILL
        time.sleep(0.05)


def _read(path):
    with open(path, "rb") as f:
        return f.read().decode("utf-8", "replace").strip()


def _write_ready(path, port):
    tmp = "%s.tmp.%d" % (path, os.getpid())
    with open(tmp, "w") as f:
        f.write("%d\n" % port)
    os.replace(tmp, path)


def run(name, command_for_port, fixed_port, out_path, timeout, ready_file):
    """Starts `command_for_port(port)` (which also writes the config for that
    port), waits for its 220, writes `ready_file`, and stays until the daemon
    exits or a signal arrives. Returns the exit status for the launcher.

    With an auto-picked port (fixed_port 0) another process may grab it
    first; the daemon then exits at once ("bind") and another port is tried.
    """
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    stopping = []

    def on_signal(signum, frame):
        stopping.append(signum)

    for s in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(s, on_signal)

    try:
        for _ in range(5 if fixed_port == 0 else 1):
            port = fixed_port or free_port()
            command = command_for_port(port)
            with open(out_path, "wb") as out:
                # vsftpd writes its fatal "500 OOPS" messages to fd 0 (its
                # control connection in inetd mode), so fd 0 goes to the
                # output file too, or the reason for a failure would be lost.
                proc = subprocess.Popen(command, stdin=out, stdout=out,
                                        stderr=subprocess.STDOUT,
                                        preexec_fn=set_child_death_signal)
            deadline = time.monotonic() + timeout
            ready = False
            while not stopping and time.monotonic() < deadline:
                if proc.poll() is not None:
                    break
                if answers_220(port):
                    ready = True
                    break
                time.sleep(0.05)
            if ready or stopping:
                break
            output = _read(out_path)
            if proc.poll() is None:
                raise LaunchError("%s did not answer 220 on 127.0.0.1:%d within %.0f s (%s)"
                                  % (name, port, timeout, output or "no output"))
            if fixed_port == 0 and "bind" in output.lower():
                continue
            raise LaunchError("%s exited with code %d: %s"
                              % (name, proc.returncode, output or "no output"))
        else:
            raise LaunchError("%s could not bind a free port after several attempts" % name)

        if stopping:
            return 0
        if ready_file:
            _write_ready(ready_file, port)
        while not stopping and proc.poll() is None:
            # Polled: the signal handler only sets a flag.
            time.sleep(0.2)
        if not stopping:
            sys.stderr.write("%s exited by itself with code %d: %s\n"
                             % (name, proc.returncode, _read(out_path) or "no output"))
            return 1
        return 0
    finally:
        stop_all_children()
        if ready_file:
            try:
                os.unlink(ready_file)
            except OSError:
                pass
