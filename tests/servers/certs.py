"""Certificates for the TLS test servers, made fresh by every test run.

A private certificate authority signs the server certificates; a client
that trusts ca.pem/ca.der sees "tls" as valid and each other one as faulty
in exactly one way:

  tls         127.0.0.1 and localhost, signed by the CA, valid now
  selfsigned  same names, signed by itself
  expired     same names, signed by the CA, expired a year ago
  wrongname   signed by the CA, valid now, for another host name only

One RSA key serves every server certificate: the tests look at names,
issuers and dates, never at the key, and each key costs start-up time.
"""

import datetime
import ipaddress
import os

from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import rsa
from cryptography.x509.oid import ExtendedKeyUsageOID, NameOID

KINDS = ("tls", "selfsigned", "expired", "wrongname")
OTHER_NAME = "other-host.invalid"


def _name(common_name):
    return x509.Name([x509.NameAttribute(NameOID.ORGANIZATION_NAME, "ravoFtp tests"),
                      x509.NameAttribute(NameOID.COMMON_NAME, common_name)])


def _new_key():
    return rsa.generate_private_key(public_exponent=65537, key_size=2048)


def _build(subject, issuer, public_key, signing_key, not_before, not_after, ca, names):
    builder = (x509.CertificateBuilder()
               .subject_name(subject).issuer_name(issuer).public_key(public_key)
               .serial_number(x509.random_serial_number())
               .not_valid_before(not_before).not_valid_after(not_after)
               .add_extension(x509.BasicConstraints(ca=ca, path_length=None), critical=True)
               .add_extension(x509.SubjectKeyIdentifier.from_public_key(public_key), critical=False))
    if ca:
        builder = builder.add_extension(x509.KeyUsage(
            digital_signature=True, content_commitment=False, key_encipherment=False,
            data_encipherment=False, key_agreement=False, key_cert_sign=True, crl_sign=True,
            encipher_only=False, decipher_only=False), critical=True)
    else:
        builder = (builder
                   .add_extension(x509.KeyUsage(
                       digital_signature=True, content_commitment=False, key_encipherment=True,
                       data_encipherment=False, key_agreement=False, key_cert_sign=False,
                       crl_sign=False, encipher_only=False, decipher_only=False), critical=True)
                   .add_extension(x509.ExtendedKeyUsage([ExtendedKeyUsageOID.SERVER_AUTH]),
                                  critical=False)
                   .add_extension(x509.SubjectAlternativeName(names), critical=False))
    return builder.sign(signing_key, hashes.SHA256())


def fingerprint(cert):
    """SHA-256 of the DER form as "AB:CD:...", as the client shows it."""
    return ":".join("%02X" % b for b in cert.fingerprint(hashes.SHA256()))


def _write(path, data, mode=0o644):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.chmod(tmp, mode)
    os.replace(tmp, path)


def make_all(folder):
    """Writes ca.pem, ca.der and <kind>.pem/<kind>.key for every kind into
    `folder`; returns {kind: {"cert": path, "key": path, "sha256": text}}."""
    os.makedirs(folder, exist_ok=True)
    now = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0)
    day = datetime.timedelta(days=1)
    ca_key, key = _new_key(), _new_key()
    ca_name = _name("ravoFtp Test CA")
    ca = _build(ca_name, ca_name, ca_key.public_key(), ca_key, now - day, now + 365 * day,
                True, None)
    local = [x509.IPAddress(ipaddress.ip_address("127.0.0.1")), x509.DNSName("localhost")]
    certs = {
        "tls": _build(_name("localhost"), ca_name, key.public_key(), ca_key,
                      now - day, now + 90 * day, False, local),
        "selfsigned": _build(_name("ravoFtp self-signed"), _name("ravoFtp self-signed"),
                             key.public_key(), key, now - day, now + 90 * day, False, local),
        "expired": _build(_name("localhost"), ca_name, key.public_key(), ca_key,
                          now - 730 * day, now - 365 * day, False, local),
        "wrongname": _build(_name(OTHER_NAME), ca_name, key.public_key(), ca_key,
                            now - day, now + 90 * day, False, [x509.DNSName(OTHER_NAME)]),
    }
    _write(os.path.join(folder, "ca.pem"), ca.public_bytes(serialization.Encoding.PEM))
    _write(os.path.join(folder, "ca.der"), ca.public_bytes(serialization.Encoding.DER))
    key_pem = key.private_bytes(serialization.Encoding.PEM,
                                serialization.PrivateFormat.TraditionalOpenSSL,
                                serialization.NoEncryption())
    result = {}
    for kind, cert in certs.items():
        cert_path = os.path.join(folder, kind + ".pem")
        key_path = os.path.join(folder, kind + ".key")
        _write(cert_path, cert.public_bytes(serialization.Encoding.PEM))
        _write(key_path, key_pem, 0o600)
        result[kind] = {"cert": cert_path, "key": key_path, "sha256": fingerprint(cert)}
    return result


if __name__ == "__main__":
    # certs.py DIR: makes the certificates in DIR and prints "KIND SHA256"
    # lines (used by bench/tls_run, which runs servers of its own).
    import sys
    for kind, made in make_all(sys.argv[1]).items():
        print(kind, made["sha256"])
