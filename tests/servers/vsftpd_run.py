#!/usr/bin/python3
"""Runs /usr/sbin/vsftpd on 127.0.0.1 in the foreground for the tests.

vsftpd is driven only by a config file of our own, kept in a private state
folder, so the system configuration and system log paths are never used.
Logins are for a real local user (created by scripts/setup), chrooted into
--root. The launcher waits until the port answers "220", writes --ready-file,
then stays until vsftpd exits; SIGTERM/SIGINT stop vsftpd together with
every session process it forked.

Example (as root):
  /usr/bin/python3 vsftpd_run.py --root /tmp/v --port 0 --ready-file /tmp/v.port
"""

import argparse
import os
import subprocess
import sys
import tempfile
import daemon_run
from ports import parse_range

VSFTPD = "/usr/sbin/vsftpd"


def fail(msg):
    sys.stderr.write("vsftpd_run: %s\n" % msg)
    sys.exit(1)


def tls_lines(args):
    """Explicit TLS (AUTH TLS) demanded for the login and every data
    connection. Session reuse on the data connections is demanded only with
    --tls-reuse: Wine's Schannel cannot resume sessions."""
    if not args.tls_cert:
        return []
    return [
        "ssl_enable=YES",
        "rsa_cert_file=%s" % args.tls_cert,
        "rsa_private_key_file=%s" % args.tls_key,
        "allow_anon_ssl=NO",
        "force_local_logins_ssl=YES",
        "force_local_data_ssl=YES",
        "require_ssl_reuse=%s" % ("YES" if args.tls_reuse else "NO"),
        "ssl_ciphers=HIGH",
        "ssl_sslv2=NO",
        "ssl_sslv3=NO",
        "ssl_tlsv1=YES",
    ]


def write_config(path, args, port, pasv, state):
    empty = os.path.join(state, "empty")
    os.makedirs(empty, exist_ok=True)
    os.chmod(empty, 0o755)
    lines = [
        # Standalone listener kept in the foreground so this launcher owns it.
        "listen=YES",
        "listen_ipv6=NO",
        "background=NO",
        "listen_address=127.0.0.1",
        "listen_port=%d" % port,
        # Local user only, locked into the test folder.
        "anonymous_enable=NO",
        "local_enable=YES",
        "pam_service_name=vsftpd",
        "write_enable=YES",
        "local_umask=022",
        "file_open_mode=0666",
        "local_root=%s" % args.root,
        "chroot_local_user=YES",
        "allow_writeable_chroot=YES",
        # Both data-connection modes, with a passive range of its own so
        # servers running side by side never compete for the same ports.
        "pasv_enable=YES",
        "pasv_min_port=%d" % pasv[0],
        "pasv_max_port=%d" % pasv[1],
        "port_enable=YES",
        "connect_from_port_20=NO",
        # The sandboxing features need namespaces/seccomp set-ups that are
        # not available everywhere the tests run (containers, Wine hosts).
        "seccomp_sandbox=NO",
        "isolate=NO",
        "isolate_network=NO",
        "secure_chroot_dir=%s" % empty,
        # Logs stay in the state folder; nothing goes to syslog or /var/log.
        "syslog_enable=NO",
        "dual_log_enable=NO",
        "xferlog_enable=YES",
        "xferlog_std_format=NO",
        "vsftpd_log_file=%s" % os.path.join(state, "vsftpd.log"),
        "log_ftp_protocol=%s" % ("YES" if args.log_protocol else "NO"),
    ]
    if args.banner:
        lines.append("ftpd_banner=%s" % args.banner)
    lines += tls_lines(args)
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    # vsftpd refuses a config file not owned by the user running it.
    os.chmod(tmp, 0o600)
    os.replace(tmp, path)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--root", required=True, help="folder the user is chrooted into")
    p.add_argument("--user", default="ravoftp", help="local user the tests log in as")
    p.add_argument("--port", type=int, default=0, help="0 = any free port")
    p.add_argument("--passive-ports", type=parse_range, metavar="A-B",
                   help="default: a free range of 100 ports")
    p.add_argument("--state", help="private folder for config and logs (default: temporary)")
    p.add_argument("--ready-file", help="receives the port once it answers 220")
    p.add_argument("--banner", help="one-line 220 greeting")
    p.add_argument("--log-protocol", action="store_true",
                   help="also log every command and reply to STATE/vsftpd.log")
    p.add_argument("--timeout", type=float, default=10.0,
                   help="seconds to wait for the 220 greeting")
    p.add_argument("--tls-cert", help="PEM certificate: TLS required for logins and data")
    p.add_argument("--tls-key", help="PEM private key of --tls-cert")
    p.add_argument("--tls-reuse", action="store_true",
                   help="demand TLS session reuse on data connections")
    args = p.parse_args()
    if bool(args.tls_cert) != bool(args.tls_key):
        p.error("--tls-cert and --tls-key go together")

    _, args.root = daemon_run.prepare_root(fail, VSFTPD, "vsftpd needs it for local-user logins",
                                              args.user, args.root)

    own_state = args.state is None
    state = os.path.abspath(args.state or tempfile.mkdtemp(prefix="vsftpd-run-"))
    os.makedirs(state, exist_ok=True)
    conf = os.path.join(state, "vsftpd.conf")
    out_path = os.path.join(state, "vsftpd.out")
    try:
        pasv = args.passive_ports or daemon_run.free_range()

        def command(port):
            write_config(conf, args, port, pasv, state)
            return [VSFTPD, conf]

        return daemon_run.run("vsftpd", command, args.port, out_path, args.timeout,
                              args.ready_file)
    except daemon_run.LaunchError as e:
        fail(str(e))
    finally:
        if own_state:
            subprocess.call(["rm", "-rf", state])


if __name__ == "__main__":
    sys.exit(main())
