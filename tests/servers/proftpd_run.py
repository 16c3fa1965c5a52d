#!/usr/bin/python3
"""Runs ProFTPD with explicit TLS on 127.0.0.1 in the foreground for the tests.

The binary and its TLS module come from the private folder scripts/setup
unpacks them into (the package conflicts with vsftpd's). Everything else is
a config of our own in --state: no system config, log, pid or scoreboard
path is used. The user logs in from a password file of our own with the
ids of a real local user (scripts/setup makes it) and is chrooted into
--root. TLS is required for the login and the data connections; session
reuse on data connections is not demanded (Wine's Schannel cannot resume).

Example (as root):
  /usr/bin/python3 proftpd_run.py --root /tmp/p --state /tmp/p-state \
      --tls-cert c.pem --tls-key c.key --ready-file /tmp/p.port
"""

import argparse
import os
import subprocess
import sys
import daemon_run
from ports import parse_range

PREFIX = "/var/lib/ravoftp-test/proftpd"
PROFTPD = PREFIX + "/usr/sbin/proftpd"
MODULES = PREFIX + "/usr/lib/proftpd"


def fail(msg):
    sys.stderr.write("proftpd_run: %s\n" % msg)
    sys.exit(1)


def write_private(path, text, mode):
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write(text)
    os.chmod(tmp, mode)
    os.replace(tmp, path)


def write_users(state, args, user):
    """Password and group files: ProFTPD refuses world-writable ones."""
    hashed = subprocess.check_output(["openssl", "passwd", "-6", "-stdin"],
                                     input=args.password.encode()).decode().strip()
    users = os.path.join(state, "ftpd.passwd")
    groups = os.path.join(state, "ftpd.group")
    write_private(users, "%s:%s:%d:%d::%s:/bin/sh\n"
                  % (args.user, hashed, user.pw_uid, user.pw_gid, args.root), 0o600)
    write_private(groups, "ravoftp-test:x:%d:\n" % user.pw_gid, 0o600)
    return users, groups


def write_config(path, args, port, pasv, state, users, groups):
    log = lambda name: os.path.join(state, name)
    lines = [
        "ServerType standalone",
        'ServerName "ravoFtp test"',
        "DefaultAddress 127.0.0.1",
        "SocketBindTight on",
        "UseIPv6 off",
        "Port %d" % port,
        "PassivePorts %d %d" % pasv,
        "MaxInstances 50",
        # The listener drops to these ids between sessions.
        "User nobody",
        "Group nogroup",
        "PidFile %s" % log("proftpd.pid"),
        "ScoreboardFile %s" % log("proftpd.scoreboard"),
        "DelayEngine off",
        "WtmpLog off",
        "UseReverseDNS off",
        "SystemLog %s" % log("proftpd.log"),
        "TransferLog %s" % log("proftpd-xfer.log"),
        # Only our password file: no PAM service and no system accounts.
        "AuthOrder mod_auth_file.c",
        "AuthUserFile %s" % users,
        "AuthGroupFile %s" % groups,
        "RequireValidShell off",
        "DefaultRoot ~",
        "AllowOverwrite on",
        "Umask 022",
        "ModulePath %s" % MODULES,
        "LoadModule mod_tls.c",
        "TLSEngine on",
        "TLSRequired on",
        "TLSProtocol TLSv1.2",
        "TLSRSACertificateFile %s" % args.tls_cert,
        "TLSRSACertificateKeyFile %s" % args.tls_key,
        "TLSVerifyClient off",
        "TLSOptions NoSessionReuseRequired",
        "TLSLog %s" % log("proftpd-tls.log"),
    ]
    write_private(path, "\n".join(lines) + "\n", 0o600)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--root", required=True, help="folder the user is chrooted into")
    p.add_argument("--state", required=True, help="private folder for config and logs")
    p.add_argument("--user", default="ravoftp", help="local user whose ids the login gets")
    p.add_argument("--password", default="ravoftp-pw")
    p.add_argument("--port", type=int, default=0, help="0 = any free port")
    p.add_argument("--passive-ports", type=parse_range, metavar="A-B",
                   help="default: a free range of 100 ports")
    p.add_argument("--tls-cert", required=True, help="PEM certificate")
    p.add_argument("--tls-key", required=True, help="PEM private key")
    p.add_argument("--ready-file", help="receives the port once it answers 220")
    p.add_argument("--timeout", type=float, default=10.0,
                   help="seconds to wait for the 220 greeting")
    args = p.parse_args()

    user, args.root = daemon_run.prepare_root(fail, PROFTPD, "ProFTPD switches to the user's ids",
                                              args.user, args.root)
    state = os.path.abspath(args.state)
    os.makedirs(state, exist_ok=True)
    conf = os.path.join(state, "proftpd.conf")
    try:
        users, groups = write_users(state, args, user)
        pasv = args.passive_ports or daemon_run.free_range()

        def command(port):
            write_config(conf, args, port, pasv, state, users, groups)
            # -n: stay in the foreground, -q: no start-up chatter.
            return [PROFTPD, "-n", "-q", "-c", conf]

        return daemon_run.run("proftpd", command, args.port,
                              os.path.join(state, "proftpd.out"), args.timeout,
                              args.ready_file)
    except daemon_run.LaunchError as e:
        fail(str(e))


if __name__ == "__main__":
    sys.exit(main())
