#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"
#include "tests/functions/inputtestutil.h"

#include <QtTest>

namespace {
QString Hex(quint32 v) {
    return QStringLiteral("%1").arg(v, 8, 16, QLatin1Char('0'));
}

QStringList ModifierNames(const QList<quint32>& codes) {
    QStringList names;
    for (quint32 c : codes)
        names << KeyCodeTranslate(c);
    return names;
}

// A few keys of a German layout: Z and Y swapped, AltGr characters, and the sharp s.
QList<PAL_INT::KeyboardLayoutKey> GermanKeys() {
    return {
        {0x51, 0x10, 'q', 'Q', '@', {}},          {0x5A, 0x15, 'z', 'Z', {}, {}},
        {0x59, 0x2C, 'y', 'Y', {}, {}},           {0x45, 0x12, 'e', 'E', QChar(0x20AC), {}},
        {0xDB, 0x0C, QChar(0xDF), '?', '\\', {}}, {0x38, 0x09, '8', '(', '[', {}},
        {0xBB, 0x1B, '+', '*', '~', {}},
    };
}
} // namespace

class TestKeyNames : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { PAL_INT::SetKeyboardLayout(nullptr); }

    void nameToCode_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("code");
        QTest::newRow("F5") << "F5" << 0x0074003Fu;
        QTest::newRow("F5 with blanks") << "  F5 " << 0x0074003Fu;
        QTest::newRow("lower case") << "f5" << 0x0074003Fu;
        QTest::newRow("single blank is space") << " " << 0x00200039u;
        QTest::newRow("tab character") << "\t" << 0x0009000Fu;
        QTest::newRow("RCTRL takes the highest scan") << "RCTRL" << 0x0011011Du;
        QTest::newRow("DIV") << "DIV" << 0x006F0135u;
        QTest::newRow("ENTER") << "ENTER" << 0x000D011Cu;
        QTest::newRow("LCTRL vk from its scan") << "LCTRL" << 0x0011001Du;
        QTest::newRow("CTRL alias") << "CTRL" << 0x00A2001Du;
        QTest::newRow("WIN alias") << "WIN" << 0x005B00DBu;
        QTest::newRow("UP") << "UP" << 0x002600C8u;
        QTest::newRow("NP3") << "NP3" << 0x00630051u;
        QTest::newRow("media key scan from its vk") << "MUTE" << 0x00AD0020u;
        QTest::newRow("mouse button has no scan") << "LMB" << 0x00010000u;
        QTest::newRow("small letter") << "a" << 0x0041001Eu;
        QTest::newRow("capital letter needs shift") << "A" << 0x0141001Eu;
        QTest::newRow("PLUS") << "PLUS" << 0x01BB000Du;
        QTest::newRow("plus in lower case") << "plus" << 0x01BB000Du;
        QTest::newRow("comma") << "," << 0x00BC0033u;
        QTest::newRow("SC(1d)") << "SC(1d)" << 0x0011001Du;
        QTest::newRow("sc(39)") << "sc(39)" << 0x00200039u;
        QTest::newRow("bad SC") << "SC(zz)" << 0u;
        QTest::newRow("huge SC") << "SC(123456789)" << 0u;
        QTest::newRow("untypeable character") << QString(QChar(0x20AC)) << 0x07FF0000u;
        QTest::newRow("unknown name") << "NOSUCHKEY" << 0u;
        QTest::newRow("empty") << "" << 0u;
    }
    void nameToCode() {
        QFETCH(QString, name);
        QFETCH(quint32, code);
        QCOMPARE(Hex(PAL::KeyNameToCode(name)), Hex(code));
    }

    void codeToName_data() {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("zero") << 0u << "";
        QTest::newRow("F5") << 0x0074003Fu << "F5";
        QTest::newRow("scan only") << 0x0000003Fu << "F5";
        QTest::newRow("vk only") << 0x00740000u << "F5";
        QTest::newRow("numlock by vk first") << 0x00900046u << "NUMLOCK";
        QTest::newRow("pause by vk first") << 0x00130001u << "PAUSE";
        QTest::newRow("extended right ctrl") << 0x0011011Du << "RCTRL";
        // The keyboard capture numbers extended keys as 0x100 plus their base code.
        QTest::newRow("captured right alt") << 0x00120138u << "RALT";
        QTest::newRow("captured left windows key") << 0x005B015Bu << "LWIN";
        QTest::newRow("captured up arrow") << 0x00260148u << "UP";
        QTest::newRow("letter types its upper case") << 0x0041001Eu << "A";
        QTest::newRow("key that types plus") << 0x01BB000Du << "PLUS";
        QTest::newRow("unshifted plus key") << 0x00BB000Du << "=";
        QTest::newRow("comma key") << 0x00BC0033u << ",";
        QTest::newRow("keypad digit by table") << 0x00600052u << "NP0";
        QTest::newRow("media key") << 0x00AD0020u << "MUTE";
        QTest::newRow("unknown scan") << 0x0000007Eu << "SC(7e)";
        QTest::newRow("untypeable") << 0x00FF0000u << "SC(0)";
    }
    void codeToName() {
        QFETCH(quint32, code);
        QFETCH(QString, name);
        QCOMPARE(KeyCodeTranslate(code), name);
    }

    void translationIsLogged() {
        LogCapture log;
        KeyCodeTranslate(0x0074003F);
        QCOMPARE(log.Count(QStringLiteral("KeyCodeTranslate: 63 116")), 1);
        KeyCodeTranslate(0);
        QCOMPARE(log.Lines().size(), 1);
    }

    void everyTableNameRoundTrips() {
        // Every printed name reads back as a code that prints the same name.
        const QStringList names = {
            "ESC",        "F1",    "F12",        "BACK",       "TAB",        "SPACE",      "PAUSE",      "CAPS",
            "PGUP",       "PGDN",  "HOME",       "INS",        "DEL",        "END",        "LEFT",       "RIGHT",
            "UP",         "DOWN",  "NUMLOCK",    "SCROLL",     "NP0",        "NP9",        "NPDEC",      "MUL",
            "SUB",        "ADD",   "DIV",        "RETURN",     "ENTER",      "LCTRL",      "RCTRL",      "LSHIFT",
            "RSHIFT",     "LALT",  "RALT",       "LWIN",       "RWIN",       "APPS",       "^",          "MUTE",
            "VOLDN",      "VOLUP", "MEDIANEXT",  "MEDIAPREV",  "MEDIASTOP",  "MEDIAPLAY",  "MAIL",       "MEDIASEL",
            "LAPP1",      "LAPP2", "BROWSEBACK", "BROWSEFORW", "BROWSEREFR", "BROWSESTOP", "BROWSESRCH", "BROWSEFAVS",
            "BROWSEHOME", "LMB",   "RMB",        "MMB",        "A",          "Z",          "0",          "PLUS",
            ",",          "/"};
        for (const QString& n : names)
            QCOMPARE(KeyCodeTranslate(PAL::KeyNameToCode(n)), n);
    }

    void shortcutToText_data() {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("text");
        const quint32 lctrl = PAL::KeyNameToCode("LCTRL");
        const quint32 f5 = PAL::KeyNameToCode("F5");
        QTest::newRow("plain key") << f5 << "F5";
        QTest::newRow("two modifiers in flag order") << (f5 | (KMF_LCtrl | KMF_LShift) << 24) << "LSHIFT,LCTRL+F5";
        QTest::newRow("every modifier") << (f5 | 0xBFu << 24) << "LSHIFT,LCTRL,LALT,LWIN,RSHIFT,RCTRL,RWIN+F5";
        QTest::newRow("every modifier with altgr")
            << (f5 | 0xFFu << 24) << "LSHIFT,ALTGR,LALT,LWIN,RSHIFT,RCTRL,RWIN+F5";
        QTest::newRow("ctrl key with shift and ctrl") << (lctrl | (KMF_LCtrl | KMF_LShift) << 24) << "LSHIFT+LCTRL";
        QTest::newRow("ctrl key with ctrl") << (lctrl | KMF_LCtrl << 24) << "LCTRL";
        QTest::newRow("ctrl key alone") << lctrl << "";
        QTest::newRow("left windows key") << (0x005B00DBu | KMF_LWin << 24) << "LWIN";
        QTest::newRow("right alt key with its flag") << (0x001200B8u | KMF_RAlt << 24) << "RALT";
        QTest::newRow("altgr pair") << (PAL::KeyNameToCode("e") | (KMF_LCtrl | KMF_RAlt) << 24) << "ALTGR+E";
        QTest::newRow("comma alone") << PAL::KeyNameToCode(",") << ",";
        QTest::newRow("shift comma") << (PAL::KeyNameToCode(",") | KMF_LShift << 24) << "LSHIFT+,";
        // The plus key's code carries the shift it needs, which then reads as a modifier of the = key.
        QTest::newRow("plus key with ctrl") << (PAL::KeyNameToCode("PLUS") | KMF_LCtrl << 24) << "LSHIFT,LCTRL+=";
        QTest::newRow("zero") << 0u << "";
    }
    void shortcutToText() {
        QFETCH(quint32, code);
        QFETCH(QString, text);
        QCOMPARE(PAL::KeyCodeToShortcut(code), text);
    }

    void parseShortcut_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("modifiers");
        QTest::newRow("modifiers in text order") << "LCTRL,LSHIFT+F5"
                                                 << "F5" << QStringList{"LCTRL", "LSHIFT"};
        QTest::newRow("extra parts ignored") << "A+B+C"
                                             << "B" << QStringList{"A"};
        QTest::newRow("altgr reads as left alt and right ctrl") << "ALTGR+Q"
                                                                << "Q" << QStringList{"LALT", "RCTRL"};
        QTest::newRow("key alone") << "F5"
                                   << "F5" << QStringList{};
        QTest::newRow("plus key") << "LCTRL+PLUS"
                                  << "PLUS" << QStringList{"LCTRL"};
        QTest::newRow("comma key") << "LSHIFT+,"
                                   << "," << QStringList{"LSHIFT"};
        QTest::newRow("empty and unknown modifiers dropped") << ",NOPE,LALT+X"
                                                             << "X" << QStringList{"LALT"};
        QTest::newRow("no key") << "LCTRL+"
                                << "" << QStringList{"LCTRL"};
        QTest::newRow("separator only") << "+"
                                        << "" << QStringList{};
        QTest::newRow("empty") << ""
                               << "" << QStringList{};
    }
    void parseShortcut() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QStringList, modifiers);
        QList<quint32> mods{1, 2, 3};
        QCOMPARE(KeyCodeTranslate(PAL::ParseShortcut(text, mods)), key);
        QCOMPARE(ModifierNames(mods), modifiers);
    }

    void shortcutRoundTrip_data() {
        QTest::addColumn<QString>("text");
        for (const char* t : {"F5", "LSHIFT,LCTRL+F5", "LSHIFT+,", "LALT+TAB", "LWIN+LEFT", "RSHIFT,RCTRL+DEL",
                              "LCTRL+SC(7e)", "LSHIFT+LCTRL", "MUTE", "LCTRL,LALT+NP3"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void shortcutRoundTrip() {
        // A stored shortcut parses to codes that print the same text again.
        QFETCH(QString, text);
        QList<quint32> mods;
        const quint32 key = PAL::ParseShortcut(text, mods);
        static const QStringList order = {"LSHIFT", "LCTRL", "LALT", "LWIN", "RSHIFT", "RCTRL", "RALT", "RWIN"};
        quint32 flags = 0;
        for (quint32 m : mods) {
            const QString n = KeyCodeTranslate(m);
            const int bit = order.indexOf(n);
            QVERIFY2(bit >= 0, qPrintable(n));
            flags |= 1u << bit;
        }
        // A modifier key pressed as the key carries its own flag too, as a captured key does.
        const int own = order.indexOf(KeyCodeTranslate(key));
        if (own >= 0)
            flags |= 1u << own;
        QCOMPARE(PAL::KeyCodeToShortcut(key | flags << 24), text);
    }

    void otherLayoutTypesThroughAltGr() {
        const PAL_INT::KeyboardLayout german(GermanKeys());
        PAL_INT::SetKeyboardLayout(&german);
        const quint32 at = PAL::KeyNameToCode("@");
        QCOMPARE(Hex(at), Hex(0x06510010u)); // Q with Ctrl and Alt
        QCOMPARE(KeyCodeTranslate(at), QStringLiteral("@"));
        QCOMPARE(PAL::KeyCodeToShortcut(at), QStringLiteral("LCTRL,LALT+Q"));
        QCOMPARE(KeyCodeTranslate(PAL::KeyNameToCode("z")), QStringLiteral("Z"));
        QCOMPARE(PAL::KeyNameToCode("z") & 0xFFFF, 0x15u);
        // The sharp s keeps its case, and a layout's own plus key still prints as PLUS.
        QCOMPARE(KeyCodeTranslate(PAL::KeyNameToCode(QString(QChar(0xDF)))), QString(QChar(0xDF)));
        QCOMPARE(KeyCodeTranslate(PAL::KeyNameToCode("+")), QStringLiteral("PLUS"));
        QCOMPARE(PAL::KeyCodeToShortcut(PAL::KeyNameToCode("*")), QStringLiteral("LSHIFT+PLUS"));
        // Typed where Ctrl and Alt select AltGr: the shortcut as it is.
        QCOMPARE(PAL_INT::TypingShortcut(at), QStringLiteral("LCTRL,LALT+Q"));
    }

    // A layout with an AltGr key of its own (as X layouts have): typing presses it; and a key whose capital
    // the layout types elsewhere keeps its own name, so the name finds the key again.
    void altGrKeyAndNamesThatFindTheirKey() {
        QList<PAL_INT::KeyboardLayoutKey> keys = GermanKeys();
        keys.append({0x30, 0x0B, QChar(0xE0), '0', '@', {}}); // French a-grave key
        const PAL_INT::KeyboardLayout layout(keys, QStringLiteral("RALT"));
        PAL_INT::SetKeyboardLayout(&layout);
        QCOMPARE(PAL_INT::TypingShortcut(PAL::KeyNameToCode("\\")), QStringLiteral("ALTGR+\u00DF"));
        QCOMPARE(PAL_INT::TypingShortcut(PAL::KeyNameToCode("[")), QStringLiteral("ALTGR+8"));
        QList<quint32> mods;
        PAL::ParseShortcut(PAL_INT::TypingShortcut(PAL::KeyNameToCode("[")), mods);
        QCOMPARE(ModifierNames(mods), QStringList{"RALT"});
        QCOMPARE(PAL_INT::TypingShortcut(PAL::KeyNameToCode("Z")), QStringLiteral("LSHIFT+Z"));
        const QString agrave = KeyCodeTranslate(PAL::KeyNameToCode(QString(QChar(0xE0))));
        QCOMPARE(agrave, QString(QChar(0xE0)));
        QCOMPARE(PAL::KeyNameToCode(agrave) & 0xFFFF, 0x0Bu);
    }

    // AltGr as stored (the name "ALTGR", or the pair Windows reports for it, either way round) is played as the
    // layout's AltGr key where it has one; elsewhere the names stand as they are.
    void altGrIsTheLayoutsAltGrKey_data() {
        QTest::addColumn<bool>("altGrKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("modifiers");
        QTest::newRow("altgr") << true << "ALTGR+Q" << QStringList{"RALT"};
        QTest::newRow("windows pair") << true << "LCTRL,RALT+Q" << QStringList{"RALT"};
        QTest::newRow("windows pair reversed") << true << "RALT,LCTRL+Q" << QStringList{"RALT"};
        QTest::newRow("shifted altgr") << true << "LSHIFT,ALTGR+Q" << QStringList{"LSHIFT", "RALT"};
        QTest::newRow("pair among others") << true << "LSHIFT,LCTRL,RALT+Q" << QStringList{"LSHIFT", "RALT"};
        QTest::newRow("left ctrl alone stays") << true << "LCTRL+Q" << QStringList{"LCTRL"};
        QTest::newRow("right alt alone stays") << true << "RALT+Q" << QStringList{"RALT"};
        QTest::newRow("other pair stays") << true << "LALT,RCTRL+Q" << QStringList{"LALT", "RCTRL"};
        QTest::newRow("no altgr key: altgr") << false << "ALTGR+Q" << QStringList{"LALT", "RCTRL"};
        QTest::newRow("no altgr key: pair stays") << false << "LCTRL,RALT+Q" << QStringList{"LCTRL", "RALT"};
    }
    void altGrIsTheLayoutsAltGrKey() {
        QFETCH(bool, altGrKey);
        QFETCH(QString, text);
        QFETCH(QStringList, modifiers);
        const PAL_INT::KeyboardLayout layout(GermanKeys(), altGrKey ? QStringLiteral("RALT") : QString());
        PAL_INT::SetKeyboardLayout(&layout);
        QList<quint32> mods;
        QCOMPARE(KeyCodeTranslate(PAL::ParseShortcut(text, mods)), QStringLiteral("Q"));
        QCOMPARE(ModifierNames(mods), modifiers);
    }

    // What the key editors store for a captured key: the printed shortcut as the sender reads it.
    void capturedShortcut_data() {
        QTest::addColumn<bool>("altGrKey");
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("text");
        const quint32 q = 0x00510010u, rightAlt = 0x00120138u;
        QTest::newRow("ctrl k") << false << (0x004B0025u | KMF_LCtrl << 24) << "LCTRL+K";
        QTest::newRow("shift ctrl f5") << false << (0x0074003Fu | (KMF_LShift | KMF_LCtrl) << 24) << "LSHIFT,LCTRL+F5";
        QTest::newRow("right alt key") << false << (rightAlt | KMF_RAlt << 24) << "RALT";
        QTest::newRow("altgr held as on windows, no altgr key")
            << false << (q | (KMF_LCtrl | KMF_RAlt) << 24) << "LALT,RCTRL+Q";
        QTest::newRow("altgr held as on windows") << true << (q | (KMF_LCtrl | KMF_RAlt) << 24) << "RALT+Q";
        QTest::newRow("altgr key held") << true << (q | KMF_RAlt << 24) << "RALT+Q";
        // Left Ctrl held, then the right Alt key: the pair Windows reports for AltGr, pressed as a key.
        QTest::newRow("altgr pair as the key") << true << (rightAlt | (KMF_LCtrl | KMF_RAlt) << 24) << "RALT";
        QTest::newRow("shift, altgr pair as the key")
            << true << (rightAlt | (KMF_LShift | KMF_LCtrl | KMF_RAlt) << 24) << "LSHIFT+RALT";
        QTest::newRow("altgr pair as the key, no altgr key")
            << false << (rightAlt | (KMF_LCtrl | KMF_RAlt) << 24) << "LALT+RCTRL";
        QTest::newRow("shift with a modifier key")
            << false << (0x0011001Du | (KMF_LShift | KMF_LCtrl) << 24) << "LSHIFT+LCTRL";
    }
    void capturedShortcut() {
        QFETCH(bool, altGrKey);
        QFETCH(quint32, code);
        QFETCH(QString, text);
        const PAL_INT::KeyboardLayout layout(GermanKeys() + PAL_INT::KeyboardLayout::UsKeys(),
                                             altGrKey ? QStringLiteral("RALT") : QString());
        PAL_INT::SetKeyboardLayout(&layout);
        QList<quint32> mods;
        quint32 key = 0;
        QCOMPARE(PAL_INT::CapturedShortcut(code, &mods, &key), text);
        // The codes given back are those the text reads as.
        QList<quint32> read;
        QCOMPARE(Hex(PAL::ParseShortcut(text, read)), Hex(key));
        QCOMPARE(read, mods);
    }

    void keyToText_data() {
        QTest::addColumn<quint32>("vkAndShift");
        QTest::addColumn<QString>("text");
        QTest::newRow("a") << 0x41u << "a";
        QTest::newRow("shift a") << 0x141u << "A";
        QTest::newRow("shift 1") << 0x131u << "!";
        QTest::newRow("keypad 5") << 0x65u << "5";
        QTest::newRow("F1 types nothing") << 0x70u << "";
        QTest::newRow("altgr on US types nothing") << 0x641u << "";
    }
    void keyToText() {
        QFETCH(quint32, vkAndShift);
        QFETCH(QString, text);
        QCOMPARE(PAL::KeyToText(vkAndShift, 0), text);
    }
};

QTEST_GUILESS_MAIN(TestKeyNames)
#include "test_keynames.moc"
