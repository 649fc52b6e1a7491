#include "core/l10n/mail_test_texts.h"

#include <array>

#include "core/l10n/text_row.h"

namespace corvane {
namespace {

using Column = TextRow;

// One row per MailTestText; columns: Chinese, English, German, Finnish, Italian, French, Hungarian,
// Slovenian, Czech, Japanese. Latin-script languages without diacritics, as every text of the program.
constexpr std::array<Column, kMailTestTextCount> kTexts = {{
    // test button
    {"测试邮件", "Test e-mail", "Test-Mail", "Testiviesti", "Prova email", "E-mail test", "Tesztlevel",
     "Test posta", "Test e-mailu", "テスト送信"},
    // cancel button
    {"取消", "Cancel", "Abbrechen", "Peruuta", "Annulla", "Annuler", "Megse", "Preklici", "Zrusit",
     "キャンセル"},
    // connecting
    {"正在连接服务器...", "Connecting to the server...", "Verbindung zum Server...",
     "Yhdistetaan palvelimeen...", "Connessione al server...", "Connexion au serveur...",
     "Kapcsolodas a szerverhez...", "Povezovanje s streznikom...", "Pripojovani k serveru...",
     "サーバーに接続中..."},
    // securing
    {"正在建立加密连接...", "Securing the connection...", "Verbindung wird verschluesselt...",
     "Suojataan yhteytta...", "Connessione sicura in corso...", "Securisation de la connexion...",
     "Titkositott kapcsolat letrehozasa...", "Vzpostavljanje sifrirane povezave...", "Zabezpeceni spojeni...",
     "暗号化接続を確立中..."},
    // logging in
    {"正在登录...", "Logging in...", "Anmeldung...", "Kirjaudutaan...", "Accesso in corso...",
     "Connexion du compte...", "Bejelentkezes...", "Prijava...", "Prihlasovani...", "ログイン中..."},
    // sending
    {"正在发送测试邮件...", "Sending the test e-mail...", "Test-Mail wird gesendet...",
     "Lahetetaan testiviestia...", "Invio dell'email di prova...", "Envoi de l'e-mail de test...",
     "Tesztlevel kuldese...", "Posiljanje testnega sporocila...", "Odesilani testovaciho e-mailu...",
     "テストメールを送信中..."},
    // sent
    {"测试邮件已发送到 %1。请检查是否收到。", "Test e-mail sent to %1. Check that it arrived.",
     "Test-Mail an %1 gesendet. Pruefen Sie, ob sie angekommen ist.",
     "Testiviesti lahetetty osoitteeseen %1. Tarkista, etta se saapui.",
     "Email di prova inviata a %1. Verificare che sia arrivata.",
     "E-mail de test envoye a %1. Verifiez qu'il est arrive.",
     "A tesztlevel elkuldve ide: %1. Ellenorizze, hogy megerkezett-e.",
     "Testno sporocilo poslano na %1. Preverite, ali je prispelo.",
     "Testovaci e-mail odeslan na %1. Overte, ze dorazil.",
     "テストメールを %1 に送信しました。届いたか確認してください。"},
    // server not found
    {"找不到服务器名称。请检查Smtp服务器。", "Server name not found. Check the Smtp Server.",
     "Servername nicht gefunden. Pruefen Sie den Smtp Server.",
     "Palvelimen nimea ei loydy. Tarkista Smtp Server.",
     "Nome del server non trovato. Controllare Smtp Server.",
     "Nom de serveur introuvable. Verifiez Smtp Server.",
     "A szerver neve nem talalhato. Ellenorizze: Smtp Server.",
     "Imena streznika ni mogoce najti. Preverite Smtp Server.",
     "Nazev serveru nenalezen. Zkontrolujte Smtp Server.",
     "サーバー名が見つかりません。Smtp Serverを確認してください。"},
    // connection refused
    {"服务器拒绝连接。请检查Smtp服务器和端口。",
     "The server refused the connection. Check the Smtp Server and Port.",
     "Der Server hat die Verbindung abgelehnt. Pruefen Sie Smtp Server und Port.",
     "Palvelin torjui yhteyden. Tarkista Smtp Server ja Port.",
     "Il server ha rifiutato la connessione. Controllare Smtp Server e Port.",
     "Le serveur a refuse la connexion. Verifiez Smtp Server et Port.",
     "A szerver elutasitotta a kapcsolatot. Ellenorizze: Smtp Server, Port.",
     "Streznik je zavrnil povezavo. Preverite Smtp Server in Port.",
     "Server odmitl spojeni. Zkontrolujte Smtp Server a Port.",
     "サーバーが接続を拒否しました。Smtp Serverとポートを確認してください。"},
    // timed out
    {"服务器没有及时响应。请检查Smtp服务器和端口。",
     "The server did not answer in time. Check the Smtp Server and Port.",
     "Der Server hat nicht rechtzeitig geantwortet. Pruefen Sie Smtp Server und Port.",
     "Palvelin ei vastannut ajoissa. Tarkista Smtp Server ja Port.",
     "Il server non ha risposto in tempo. Controllare Smtp Server e Port.",
     "Le serveur n'a pas repondu a temps. Verifiez Smtp Server et Port.",
     "A szerver nem valaszolt idoben. Ellenorizze: Smtp Server, Port.",
     "Streznik ni odgovoril pravocasno. Preverite Smtp Server in Port.",
     "Server neodpovedel vcas. Zkontrolujte Smtp Server a Port.",
     "サーバーが時間内に応答しませんでした。Smtp Serverとポートを確認してください。"},
    // certificate for another name
    {"TLS失败：服务器证书对此名称无效。请检查Smtp服务器。",
     "TLS failed: the server's certificate is not valid for this name. Check the Smtp Server.",
     "TLS fehlgeschlagen: Das Zertifikat des Servers gilt nicht fuer diesen Namen. Pruefen Sie den Smtp "
     "Server.",
     "TLS epaonnistui: palvelimen varmenne ei kelpaa talle nimelle. Tarkista Smtp Server.",
     "TLS non riuscito: il certificato del server non e valido per questo nome. Controllare Smtp Server.",
     "Echec TLS : le certificat du serveur n'est pas valide pour ce nom. Verifiez Smtp Server.",
     "TLS hiba: a szerver tanusitvanya nem ervenyes erre a nevre. Ellenorizze: Smtp Server.",
     "TLS ni uspel: potrdilo streznika ni veljavno za to ime. Preverite Smtp Server.",
     "TLS selhalo: certifikat serveru neni platny pro tento nazev. Zkontrolujte Smtp Server.",
     "TLSに失敗しました：サーバーの証明書はこの名前に対して有効ではありません。Smtp "
     "Serverを確認してください。"},
    // no TLS offered
    {"TLS失败：服务器不提供加密连接。密码未发送。",
     "TLS failed: the server offers no encrypted connection. The password was not sent.",
     "TLS fehlgeschlagen: Der Server bietet keine verschluesselte Verbindung. Das Passwort wurde nicht "
     "gesendet.",
     "TLS epaonnistui: palvelin ei tarjoa salattua yhteytta. Salasanaa ei lahetetty.",
     "TLS non riuscito: il server non offre una connessione cifrata. La password non e stata inviata.",
     "Echec TLS : le serveur n'offre pas de connexion chiffree. Le mot de passe n'a pas ete envoye.",
     "TLS hiba: a szerver nem kinal titkositott kapcsolatot. A jelszo nem lett elkuldve.",
     "TLS ni uspel: streznik ne ponuja sifrirane povezave. Geslo ni bilo poslano.",
     "TLS selhalo: server nenabizi sifrovane spojeni. Heslo nebylo odeslano.",
     "TLSに失敗しました：サーバーは暗号化接続を提供していません。パスワードは送信されませんでした。"},
    // TLS failed
    {"TLS失败：无法建立加密连接。请检查端口。",
     "TLS failed: the encrypted connection could not be made. Check the Port.",
     "TLS fehlgeschlagen: Die verschluesselte Verbindung kam nicht zustande. Pruefen Sie den Port.",
     "TLS epaonnistui: salattua yhteytta ei voitu muodostaa. Tarkista Port.",
     "TLS non riuscito: impossibile stabilire la connessione cifrata. Controllare Port.",
     "Echec TLS : la connexion chiffree n'a pas pu etre etablie. Verifiez Port.",
     "TLS hiba: a titkositott kapcsolat nem jott letre. Ellenorizze: Port.",
     "TLS ni uspel: sifrirane povezave ni bilo mogoce vzpostaviti. Preverite Port.",
     "TLS selhalo: sifrovane spojeni se nepodarilo navazat. Zkontrolujte Port.",
     "TLSに失敗しました：暗号化接続を確立できませんでした。ポートを確認してください。"},
    // login refused
    {"服务器拒绝以“%1”登录：相机使用此名称登录，即发送人Email中“@”之前的部分。请检查发送人Email和密码。",
     "The server refused the login as \"%1\": the camera logs in with this name, the part of the Sender "
     "Email "
     "before \"@\". Check the Sender Email and Password.",
     "Der Server hat die Anmeldung als \"%1\" abgelehnt: Die Kamera meldet sich mit diesem Namen an, dem "
     "Teil "
     "der Sender Email vor \"@\". Pruefen Sie Sender Email und Password.",
     "Palvelin torjui kirjautumisen nimella \"%1\": kamera kirjautuu talla nimella, Sender Email -osoitteen "
     "osalla ennen \"@\"-merkkia. Tarkista Sender Email ja Password.",
     "Il server ha rifiutato l'accesso come \"%1\": la fotocamera accede con questo nome, la parte di Sender "
     "Email prima di \"@\". Controllare Sender Email e Password.",
     "Le serveur a refuse la connexion du compte \"%1\" : la camera se connecte avec ce nom, la partie de "
     "Sender Email avant \"@\". Verifiez Sender Email et Password.",
     "A szerver elutasitotta a bejelentkezest ezzel a nevvel: \"%1\". A kamera ezzel a nevvel lep be, a "
     "Sender Email \"@\" elotti reszevel. Ellenorizze: Sender Email, Password.",
     "Streznik je zavrnil prijavo z imenom \"%1\": kamera se prijavi s tem imenom, delom Sender Email pred "
     "\"@\". Preverite Sender Email in Password.",
     "Server odmitl prihlaseni jako \"%1\": fotoaparat se prihlasuje timto jmenem, casti Sender Email pred "
     "\"@\". Zkontrolujte Sender Email a Heslo.",
     "サーバーが「%1」としてのログインを拒否しました。カメラはこの名前（Sender "
     "Emailの「@」より前の部分）でログインします。Sender Emailとパスワードを確認してください。"},
    // recipient refused
    {"服务器拒绝收件人。请检查Email 01。", "The server refused the recipient. Check Email 01.",
     "Der Server hat den Empfaenger abgelehnt. Pruefen Sie Email 01.",
     "Palvelin torjui vastaanottajan. Tarkista Sahkoposti 01.",
     "Il server ha rifiutato il destinatario. Controllare Email 01.",
     "Le serveur a refuse le destinataire. Verifiez Email 01.",
     "A szerver elutasitotta a cimzettet. Ellenorizze: Email 01.",
     "Streznik je zavrnil prejemnika. Preverite Email 01.", "Server odmitl prijemce. Zkontrolujte Email 01.",
     "サーバーが受信者を拒否しました。Eメール01を確認してください。"},
    // cancelled
    {"测试已取消。", "The test was cancelled.", "Der Test wurde abgebrochen.", "Testi peruutettiin.",
     "Prova annullata.", "Le test a ete annule.", "A teszt megszakitva.", "Preizkus je bil preklican.",
     "Test byl zrusen.", "テストはキャンセルされました。"},
    // other
    {"测试邮件无法发送：", "The test e-mail could not be sent:",
     "Die Test-Mail konnte nicht gesendet werden:", "Testiviestia ei voitu lahettaa:",
     "Impossibile inviare l'email di prova:", "L'e-mail de test n'a pas pu etre envoye :",
     "A tesztlevelet nem sikerult elkuldeni:", "Testnega sporocila ni bilo mogoce poslati:",
     "Testovaci e-mail nelze odeslat:", "テストメールを送信できませんでした："},
    // password in clear question
    {"服务器不提供加密连接。是否以未加密方式发送密码？",
     "The server offers no encrypted connection. Send the password unencrypted?",
     "Der Server bietet keine verschluesselte Verbindung. Passwort unverschluesselt senden?",
     "Palvelin ei tarjoa salattua yhteytta. Lahetetaanko salasana salaamattomana?",
     "Il server non offre una connessione cifrata. Inviare la password in chiaro?",
     "Le serveur n'offre pas de connexion chiffree. Envoyer le mot de passe en clair ?",
     "A szerver nem kinal titkositott kapcsolatot. Elkuldi a jelszot titkositas nelkul?",
     "Streznik ne ponuja sifrirane povezave. Zelite geslo poslati nesifrirano?",
     "Server nenabizi sifrovane spojeni. Odeslat heslo nesifrovane?",
     "サーバーは暗号化接続を提供していません。パスワードを暗号化せずに送信しますか？"},
    // OAuth2 only
    {"该邮件服务商不接受设备的密码登录（仅OAuth2）：相机无法通过它发送邮件。请使用其他邮箱。",
     "This provider accepts no password login from devices (OAuth2 only): the camera cannot send e-mail "
     "through it. Use another e-mail account.",
     "Dieser Anbieter erlaubt Geraeten keine Anmeldung mit Passwort (nur OAuth2): Die Kamera kann darueber "
     "keine E-Mails senden. Verwenden Sie ein anderes E-Mail-Konto.",
     "Tama palveluntarjoaja ei salli laitteiden kirjautua salasanalla (vain OAuth2): kamera ei voi lahettaa "
     "sen kautta. Kayta toista sahkopostitilia.",
     "Questo provider non accetta l'accesso con password dai dispositivi (solo OAuth2): la fotocamera non "
     "puo inviare email tramite esso. Usare un altro account email.",
     "Ce fournisseur n'accepte pas de connexion par mot de passe depuis un appareil (OAuth2 seulement) : la "
     "camera ne peut pas envoyer d'e-mail par lui. Utilisez un autre compte e-mail.",
     "Ez a szolgaltato nem enged jelszavas bejelentkezest eszkozokrol (csak OAuth2): a kamera nem tud rajta "
     "keresztul e-mailt kuldeni. Hasznaljon masik e-mail fiokot.",
     "Ta ponudnik ne dovoli prijave z geslom iz naprav (samo OAuth2): kamera prek njega ne more posiljati "
     "e-poste. Uporabite drug e-postni racun.",
     "Tento poskytovatel neprijima prihlaseni heslem ze zarizeni (pouze OAuth2): fotoaparat pres nej nemuze "
     "odesilat e-maily. Pouzijte jiny e-mailovy ucet.",
     "このプロバイダーは機器からのパスワードログインを受け付けません（OAuth2のみ）。カメラはこのプロバイダー"
     "経由で"
     "メールを送信できません。別のメールアカウントを使用してください。"},
    // port not a number
    {"端口必须是1到65535之间的数字。", "The Port must be a number from 1 to 65535.",
     "Der Port muss eine Zahl von 1 bis 65535 sein.", "Portin on oltava luku 1-65535.",
     "La porta deve essere un numero da 1 a 65535.", "Le port doit etre un nombre de 1 a 65535.",
     "A port 1 es 65535 kozotti szam legyen.", "Vrata morajo biti stevilo od 1 do 65535.",
     "Port musi byt cislo od 1 do 65535.", "ポートは1から65535までの数字で指定してください。"},
    // sent without a login
    {"测试邮件已发送到 %1。请检查是否收到。服务器未要求登录，因此密码未经检验。",
     "Test e-mail sent to %1. Check that it arrived. The server did not ask for a login, so the password was "
     "not checked.",
     "Test-Mail an %1 gesendet. Pruefen Sie, ob sie angekommen ist. Der Server hat keine Anmeldung verlangt, "
     "das Passwort wurde also nicht geprueft.",
     "Testiviesti lahetetty osoitteeseen %1. Tarkista, etta se saapui. Palvelin ei pyytanyt kirjautumista, "
     "joten salasanaa ei tarkistettu.",
     "Email di prova inviata a %1. Verificare che sia arrivata. Il server non ha chiesto l'accesso, quindi "
     "la "
     "password non e stata verificata.",
     "E-mail de test envoye a %1. Verifiez qu'il est arrive. Le serveur n'a pas demande de connexion, le mot "
     "de passe n'a donc pas ete verifie.",
     "A tesztlevel elkuldve ide: %1. Ellenorizze, hogy megerkezett-e. A szerver nem kert bejelentkezest, "
     "igy a jelszo nem lett ellenorizve.",
     "Testno sporocilo poslano na %1. Preverite, ali je prispelo. Streznik ni zahteval prijave, zato geslo "
     "ni "
     "bilo preverjeno.",
     "Testovaci e-mail odeslan na %1. Overte, ze dorazil. Server nepozadoval prihlaseni, heslo proto nebylo "
     "overeno.",
     "テストメールを %1 "
     "に送信しました。届いたか確認してください。サーバーがログインを求めなかったため、パスワードは確認されて"
     "いま"
     "せん。"},
    // no greeting
    {"服务器没有及时响应。它可能要求从第一个字节起使用TLS（如端口465）：请检查端口。",
     "The server did not answer in time. It may expect TLS from the first byte (as on port 465): check the "
     "Port.",
     "Der Server hat nicht rechtzeitig geantwortet. Vielleicht erwartet er TLS ab dem ersten Byte (wie auf "
     "Port 465): Pruefen Sie den Port.",
     "Palvelin ei vastannut ajoissa. Se saattaa odottaa TLS-yhteytta heti ensimmaisesta tavusta (kuten "
     "portissa 465): tarkista Port.",
     "Il server non ha risposto in tempo. Forse si aspetta TLS fin dal primo byte (come sulla porta 465): "
     "controllare Port.",
     "Le serveur n'a pas repondu a temps. Il attend peut-etre TLS des le premier octet (comme sur le port "
     "465) : verifiez Port.",
     "A szerver nem valaszolt idoben. Lehet, hogy mar az elso bajttol TLS-t var (mint a 465-os porton): "
     "ellenorizze: Port.",
     "Streznik ni odgovoril pravocasno. Morda pricakuje TLS ze od prvega bajta (kot na vratih 465): "
     "preverite "
     "Port.",
     "Server neodpovedel vcas. Mozna ocekava TLS od prvniho bajtu (jako na portu 465): zkontrolujte Port.",
     "サーバーが時間内に応答しませんでした。最初のバイトからTLSを求めている可能性があります（ポート465と同様"
     "）。"
     "ポートを確認してください。"},
    // certificate from an unknown or self-signed authority
    {"TLS失败：服务器证书来自未知或自签名的颁发机构。请检查Smtp服务器。",
     "TLS failed: the server's certificate comes from an unknown or self-signed authority. Check the Smtp "
     "Server.",
     "TLS fehlgeschlagen: Das Zertifikat des Servers stammt von einer unbekannten oder selbst signierten "
     "Stelle. Pruefen Sie den Smtp Server.",
     "TLS epaonnistui: palvelimen varmenteen myontaja on tuntematon tai varmenne on itse allekirjoitettu. "
     "Tarkista Smtp Server.",
     "TLS non riuscito: il certificato del server proviene da un'autorita sconosciuta o autofirmata. "
     "Controllare Smtp Server.",
     "Echec TLS : le certificat du serveur vient d'une autorite inconnue ou auto-signee. Verifiez Smtp "
     "Server.",
     "TLS hiba: a szerver tanusitvanya ismeretlen vagy onalairt kibocsatotol szarmazik. Ellenorizze: Smtp "
     "Server.",
     "TLS ni uspel: potrdilo streznika je izdal neznan ali samopodpisan izdajatelj. Preverite Smtp Server.",
     "TLS selhalo: certifikat serveru pochazi od neznameho nebo sebou podepsaneho vydavatele. Zkontrolujte "
     "Smtp Server.",
     "TLSに失敗しました：サーバーの証明書は不明または自己署名の認証局によるものです。Smtp "
     "Serverを確認してください。"},
    // certificate expired
    {"TLS失败：服务器证书已过期或尚未生效。请检查Smtp服务器和电脑日期。",
     "TLS failed: the server's certificate has expired or is not valid yet. Check the Smtp Server and the "
     "computer's date.",
     "TLS fehlgeschlagen: Das Zertifikat des Servers ist abgelaufen oder noch nicht gueltig. Pruefen Sie den "
     "Smtp Server und das Datum des Computers.",
     "TLS epaonnistui: palvelimen varmenne on vanhentunut tai ei ole viela voimassa. Tarkista Smtp Server ja "
     "tietokoneen paivays.",
     "TLS non riuscito: il certificato del server e scaduto o non ancora valido. Controllare Smtp Server e "
     "la "
     "data del computer.",
     "Echec TLS : le certificat du serveur a expire ou n'est pas encore valide. Verifiez Smtp Server et la "
     "date de l'ordinateur.",
     "TLS hiba: a szerver tanusitvanya lejart vagy meg nem ervenyes. Ellenorizze: Smtp Server, a szamitogep "
     "datuma.",
     "TLS ni uspel: potrdilo streznika je poteklo ali se ni veljavno. Preverite Smtp Server in datum "
     "racunalnika.",
     "TLS selhalo: platnost certifikatu serveru vyprsela nebo jeste nezacala. Zkontrolujte Smtp Server a "
     "datum "
     "pocitace.",
     "TLSに失敗しました：サーバーの証明書は期限切れか、まだ有効ではありません。Smtp "
     "Serverとコンピューターの日付を確認してください。"},
    // certificate not accepted for another reason
    {"TLS失败：服务器证书未被接受。请检查Smtp服务器。",
     "TLS failed: the server's certificate was not accepted. Check the Smtp Server.",
     "TLS fehlgeschlagen: Das Zertifikat des Servers wurde nicht angenommen. Pruefen Sie den Smtp Server.",
     "TLS epaonnistui: palvelimen varmennetta ei hyvaksytty. Tarkista Smtp Server.",
     "TLS non riuscito: il certificato del server non e stato accettato. Controllare Smtp Server.",
     "Echec TLS : le certificat du serveur n'a pas ete accepte. Verifiez Smtp Server.",
     "TLS hiba: a szerver tanusitvanya nem fogadhato el. Ellenorizze: Smtp Server.",
     "TLS ni uspel: potrdilo streznika ni bilo sprejeto. Preverite Smtp Server.",
     "TLS selhalo: certifikat serveru nebyl prijat. Zkontrolujte Smtp Server.",
     "TLSに失敗しました：サーバーの証明書は受け入れられませんでした。Smtp Serverを確認してください。"},
    // OAuth2 only, on the status line
    {"仅支持OAuth2登录：相机无法通过此服务商发送邮件。",
     "OAuth2 logins only: the camera cannot send through this provider.",
     "Nur OAuth2-Anmeldung: Die Kamera kann ueber diesen Anbieter nicht senden.",
     "Vain OAuth2-kirjautuminen: kamera ei voi lahettaa taman palvelun kautta.",
     "Solo accesso OAuth2: la fotocamera non puo inviare tramite questo provider.",
     "Connexion OAuth2 seulement : la camera ne peut pas envoyer par ce fournisseur.",
     "Csak OAuth2 bejelentkezes: a kamera nem tud kuldeni ezen a szolgaltaton at.",
     "Samo prijava OAuth2: kamera prek tega ponudnika ne more posiljati.",
     "Pouze prihlaseni OAuth2: fotoaparat pres tohoto poskytovatele nemuze odesilat.",
     "OAuth2ログインのみ：カメラはこのプロバイダー経由で送信できません。"},
}};

}  // namespace

std::string_view MailTestTextOf(MailTestText text, int32_t language) {
    return TextIn(kTexts[static_cast<size_t>(text)], language);
}

}  // namespace corvane
