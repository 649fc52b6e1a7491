#!/usr/bin/env python3
"""A real SMTP server on 127.0.0.1 for the tests of the test e-mail (aiosmtpd).

Prints "PORT <n>" once it listens, then serves until killed. Every AUTH command, every login result and
every accepted message is appended to the log file as one JSON line, before the server answers.

Modes: starttls (plain, STARTTLS offered), implicit (TLS from the first byte), plain (no TLS, AUTH offered
in clear), silent (accepts connections and never says anything).
--no-auth: the server offers no AUTH and takes mail without a login.
--stall greeting: after its greeting the server never answers again; --stall auth: it never answers the
login; --stall mail: it accepts the login and never answers MAIL FROM.
"""
import argparse
import asyncio
import json
import ssl

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", choices=["starttls", "implicit", "plain", "silent"], required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--login", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--refuse", action="append", default=[], help="recipient address to refuse")
    parser.add_argument("--log", required=True)
    parser.add_argument("--no-auth", action="store_true")
    parser.add_argument("--stall", choices=["greeting", "auth", "mail"])
    args = parser.parse_args()

    def log(event):
        with open(args.log, "a", encoding="utf-8") as f:
            f.write(json.dumps(event) + "\n")

    async def stall(command):
        log({"event": "stalled", "command": command})
        await asyncio.sleep(3600)

    class LoggingSMTP(SMTP):
        async def push(self, status):
            if args.no_auth and status.startswith("250-AUTH"):
                return
            await super().push(status)

        async def smtp_EHLO(self, hostname):
            if args.stall == "greeting":
                return await stall("EHLO")
            return await super().smtp_EHLO(hostname)

        async def smtp_MAIL(self, arg):
            if args.stall == "mail":
                return await stall("MAIL")
            return await super().smtp_MAIL(arg)

        async def smtp_AUTH(self, arg):
            log({"event": "auth-command", "tls": self._tls_protocol is not None or args.mode == "implicit"})
            if args.stall == "auth":
                return await stall("AUTH")
            return await super().smtp_AUTH(arg)

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and auth_data.login.decode() == args.login and (
            auth_data.password.decode() == args.password
        )
        log({"event": "login", "login": auth_data.login.decode(), "ok": ok})
        return AuthResult(success=ok, handled=False)

    class Handler:
        async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
            if address in args.refuse:
                return "550 5.1.1 No such mailbox"
            envelope.rcpt_tos.append(address)
            return "250 OK"

        async def handle_DATA(self, server, session, envelope):
            log({
                "event": "message",
                "from": envelope.mail_from,
                "to": envelope.rcpt_tos,
                "content": envelope.content.decode("utf-8", "replace"),
                "authenticated": bool(session.authenticated),
            })
            return "250 Message accepted"

    context = None
    if args.mode in ("starttls", "implicit"):
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    class Silent(asyncio.Protocol):
        def connection_made(self, transport):
            self.transport = transport  # keep it open, say nothing

    def factory():
        if args.mode == "silent":
            return Silent()
        return LoggingSMTP(
            Handler(),
            hostname="test.invalid",
            tls_context=context if args.mode == "starttls" else None,
            auth_require_tls=args.mode == "starttls",
            authenticator=authenticator,
        )

    async def serve():
        server = await asyncio.get_running_loop().create_server(
            factory, host="127.0.0.1", port=0, ssl=context if args.mode == "implicit" else None
        )
        print("PORT", server.sockets[0].getsockname()[1], flush=True)
        await server.serve_forever()

    asyncio.run(serve())


if __name__ == "__main__":
    main()
