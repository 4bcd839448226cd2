#!/usr/bin/python3
"""FTP side of the reference hosting service.

Two servers in one process:
  * the shared server: user "bramocom" (with either of its two passwords),
    rooted at STATE/ftp, where each site's folder is /moxasites/NAME/;
  * the own-domain server on its own port: one account per domain, as
    getftpdetails hands them out (read from the service database at each
    login), rooted at STATE/ftp/domains/DOMAIN. It offers TLS (AUTH TLS)
    when a certificate is given, and insists on it with --domain-tls-required.
"""
import argparse
import os
import sqlite3
import sys

from pyftpdlib.authorizers import AuthenticationFailed, DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

SHARED_USER = "bramocom"
SHARED_PASSWORDS = ("Q4r>!Lx8Wd", "h7TzKq2Vw")
PERMISSIONS = "elradfmwMT"


class SharedAuthorizer(DummyAuthorizer):
    def __init__(self, root):
        super().__init__()
        self.add_user(SHARED_USER, "", root, perm=PERMISSIONS)

    def validate_authentication(self, username, password, handler):
        if username != SHARED_USER or password not in SHARED_PASSWORDS:
            raise AuthenticationFailed("Authentication failed.")


class DomainAuthorizer(DummyAuthorizer):
    def __init__(self, database, root):
        super().__init__()
        self.database = database
        self.root = root

    def _account(self, username):
        try:
            with sqlite3.connect(self.database, timeout=5) as connection:
                return connection.execute(
                    "SELECT domain, ftppassword FROM accounts WHERE domain != '' AND ftpusername = ?",
                    (username,)).fetchone()
        except sqlite3.Error:
            return None

    def validate_authentication(self, username, password, handler):
        account = self._account(username)
        if not account or not account[1] or account[1] != password:
            raise AuthenticationFailed("Authentication failed.")
        home = os.path.join(self.root, account[0])
        os.makedirs(home, exist_ok=True)
        if self.has_user(username):
            self.remove_user(username)
        self.add_user(username, "", home, perm=PERMISSIONS)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--state", required=True)
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--domain-port", type=int, required=True)
    parser.add_argument("--certificate", help="PEM file with key and certificate for TLS")
    parser.add_argument("--domain-tls-required", action="store_true")
    options = parser.parse_args()

    root = os.path.join(options.state, "ftp")
    os.makedirs(os.path.join(root, "moxasites"), exist_ok=True)
    os.makedirs(os.path.join(root, "domains"), exist_ok=True)

    shared = type("SharedHandler", (FTPHandler,), {})
    shared.authorizer = SharedAuthorizer(root)
    shared.banner = "Moxa reference hosting FTP"
    shared.permit_foreign_addresses = False

    if options.certificate:
        from OpenSSL import SSL
        from pyftpdlib.handlers import TLS_FTPHandler
        domain = type("DomainHandler", (TLS_FTPHandler,), {})
        # TLS 1.2 with a session id context, so that clients may resume the
        # control connection's session on the data connections.
        context = SSL.Context(SSL.TLSv1_2_METHOD)
        context.use_certificate_chain_file(options.certificate)
        context.use_privatekey_file(options.certificate)
        context.set_session_id(b"moxa-ftp")
        context.set_options(SSL.OP_NO_TICKET)
        domain.ssl_context = context
        domain.tls_control_required = options.domain_tls_required
        domain.tls_data_required = options.domain_tls_required
    else:
        domain = type("DomainHandler", (FTPHandler,), {})
    domain.authorizer = DomainAuthorizer(os.path.join(options.state, "service.sqlite"),
                                         os.path.join(root, "domains"))
    domain.banner = "Moxa reference own-domain FTP"

    shared_server = FTPServer(("127.0.0.1", options.port), shared)  # served by the same loop
    server = FTPServer(("127.0.0.1", options.domain_port), domain)
    sys.stdout.write("ftp ready\n")
    sys.stdout.flush()
    server.serve_forever()
    shared_server.close_all()


if __name__ == "__main__":
    main()
