// The wired program switched on its language panel to the language the run is for (MERVEX_SCREEN_LANGUAGE; CTest
// runs it once per offered language): each of the main window's four tabs is clicked, saved as a PNG for review,
// and checked for texts that do not fit, and for English texts left among the visible ones. A text is English
// when it is one of the translation sources' English texts and not one of the language's translations; names
// that stay as they are (the product's name, the grids' own names) are let through.
// A language whose translation sources still have unfinished entries lists the English texts it shows and
// skips that part: only complete languages fail on them. It runs on an X server (xvfb-run) and skips elsewhere.
#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "config/tgrid.h"
#include "shell/mervexstyle.h"
#include "shell/mervexwnd.h"
#include "shell/mtesettingselements.h"
#include "shell/mtsettingsctrl.h"
#include "tests/common/gldriver.h"
#include "tests/common/languages.h"
#include "tests/common/screenshots.h"
#include "tests/common/wiredprogram.h"
#include "tests/shell/localhttpserver.h"
#include "widgets/btnadd2grid.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/qpushbuttonex.h"
#include "widgets/subnavbtn.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTreeView>
#include <QtTest>

using Screenshots::ClippedTexts;
using Screenshots::Language;
using Screenshots::Save;

namespace {
QString Plain(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument doc;
    doc.setHtml(text);
    return doc.toPlainText();
}

void AddModelTexts(QAbstractItemView* view, const QModelIndex& parent, QStringList& texts) {
    QAbstractItemModel* model = view->model();
    auto* tree = qobject_cast<QTreeView*>(view);
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            texts << model->data(index, Qt::DisplayRole).toString();
            // Rows of a closed folder are not seen.
            if (column == 0 && model->hasChildren(index) && (!tree || tree->isExpanded(index)))
                AddModelTexts(view, index, texts);
        }
    }
}

// The texts a user sees in the widget tree: captions, labels, titles, current choices, placeholders and rows.
QStringList VisibleTexts(QWidget* top) {
    QStringList texts;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << Plain(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* button = qobject_cast<QPushButtonEx*>(w))
            texts << Plain(button->htmlText());
        if (auto* button = qobject_cast<BtnAdd2Grid*>(w))
            texts << button->twoLineText;
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->text().isEmpty())
            texts << edit->placeholderText();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            texts << combo->currentText();
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            AddModelTexts(view, view->rootIndex(), texts);
    }
    QStringList lines;
    for (const QString& text : qAsConst(texts)) {
        lines << text.trimmed();
        if (text.contains(QLatin1Char('\n')))
            for (const QString& line : text.split(QLatin1Char('\n')))
                lines << line.trimmed();
    }
    lines.removeAll(QString());
    lines.removeDuplicates();
    return lines;
}

// The text without the product's name, its marks and version figures: what is left a translator translates.
QString WithoutProductName(const QString& text) {
    static const QRegularExpression names(QStringLiteral("MERVEX|VELLI-CHOR|™|®|\\b\\d+(\\.\\d+)*\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return QString(text).remove(names).trimmed();
}

QSet<QString> Upper(const QSet<QString>& texts) {
    QSet<QString> upper;
    for (const QString& t : texts) {
        upper.insert(t.trimmed().toUpper());
        for (const QString& line : t.split(QLatin1Char('\n')))
            upper.insert(line.trimmed().toUpper());
    }
    return upper;
}
} // namespace

class ScreenLanguages : public QObject {
    Q_OBJECT

    QTemporaryDir m_user;
    LocalHttpServer m_web; // the maker's web server: version page, reachability test and help pages
    std::unique_ptr<WiredProgram> m_program;
    MervexWnd* m_wnd = nullptr;
    LanguageTexts::Texts m_texts;
    QSet<QString> m_english;    // upper case
    QSet<QString> m_translated; // upper case
    QSet<QString> m_staying;    // upper case: the grids' own names and titles

    // The English texts among the visible ones of the window.
    QStringList EnglishTexts() const {
        QStringList found;
        for (const QString& text : VisibleTexts(m_wnd)) {
            const QString key = text.toUpper();
            const QString rest = WithoutProductName(text).toUpper();
            if (m_staying.contains(key) || rest.isEmpty())
                continue;
            for (const QString& candidate : {key, rest})
                if (m_english.contains(candidate) && !m_translated.contains(candidate) && !found.contains(text))
                    found << text;
        }
        return found;
    }

    void CheckShown(const QString& name) {
        QTest::qWait(200);
        QVERIFY(Save(m_wnd, name));
        const QStringList clipped = ClippedTexts(m_wnd);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        if (Language() == QLatin1String("en"))
            return;
        const QStringList english = EnglishTexts();
        if (english.isEmpty())
            return;
        const QString list = english.join(QStringLiteral("\n  "));
        if (m_texts.unfinished > 0) {
            qInfo().noquote() << name << "shows English (the translation is not complete):\n  " + list;
            QSKIP(qPrintable(QStringLiteral("%1 of %2 texts of %3 are unfinished")
                                 .arg(m_texts.unfinished)
                                 .arg(m_texts.total)
                                 .arg(Language())));
        }
        QFAIL(qPrintable(name + QStringLiteral(" shows English:\n  ") + list));
    }

    void ClickTab(MervexWnd::MainTabKind kind) {
        QTest::mouseClick(m_wnd->TabButton(kind), Qt::LeftButton);
        QTRY_VERIFY(m_wnd->Tab(kind) && m_wnd->Tab(kind)->isVisible());
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run)");
        QApplication::setStyle(new MervexStyle);
        qputenv("MERVEX_TCP_PORT", "0");
        qputenv("MERVEX_UDP_PORT", "0");
        qputenv("MERVEX_WEB_HOST", m_web.Origin().toLatin1());
        qputenv("MERVEX_WEB_SCHEME", "http");
        qputenv("MERVEX_SUPPORT_DOMAIN", m_web.Origin().toLatin1());
        m_web.Set(QStringLiteral("/sites/velli-chor-faq/"),
                  {"<html><body style='color:white'><h3>FAQ</h3></body></html>",
                   200,
                   LocalHttpServer::Whole,
                   {"Content-Type: text/html"}});
        m_program = std::make_unique<WiredProgram>(m_user.path());
        QVERIFY(m_program->Started());
        m_wnd = m_program->Window();
        m_wnd->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wnd));

        const QString repo = QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../..");
        m_texts = LanguageTexts::ForLanguage(repo, Language());
        QVERIFY2(m_texts.total > 0, qPrintable(QStringLiteral("no translation sources for ") + Language()));
        m_english = Upper(m_texts.sources);
        m_translated = Upper(m_texts.translations);
        for (const DataCfg::TGrid& grid : m_wnd->Cfg()->Grids())
            m_staying += Upper({grid.Name, grid.Title});
        if (m_texts.unfinished > 0)
            qInfo("%s: %d of %d texts unfinished: English texts are listed, not failed", qPrintable(Language()),
                  m_texts.unfinished, m_texts.total);

        if (Language() != QLatin1String("en"))
            QVERIFY(LanguageTexts::ChooseOnPanel(m_wnd, Language()));
    }

    void cleanupTestCase() {
        m_program.reset();
        const QString glDriver = LoadedGlDriver();
        QVERIFY2(glDriver.isEmpty(), qPrintable(QStringLiteral("a GL driver was loaded: ") + glDriver));
    }

    void controlsTab() {
        ClickTab(MervexWnd::TabCreate);
        CheckShown(QStringLiteral("language_controls"));
    }

    void settingsTab() {
        ClickTab(MervexWnd::TabSettings);
        CheckShown(QStringLiteral("language_settings"));
    }

    // A data source's page: the configuration's texts.
    void settingsTabSourcePage() {
        ClickTab(MervexWnd::TabSettings);
        auto* settings = qobject_cast<MTSettingsCtrl*>(m_wnd->Tab(MervexWnd::TabSettings));
        QVERIFY(settings);
        QVERIFY(!m_wnd->Cfg()->DataSources().isEmpty());
        SubnavBtn* entry =
            settings->List()->Entry(QStringLiteral("DataSource,") + m_wnd->Cfg()->DataSources().first().Name);
        QVERIFY(entry);
        QTest::mouseClick(entry, Qt::LeftButton);
        CheckShown(QStringLiteral("language_settings_source"));
    }

    void supportTab() {
        ClickTab(MervexWnd::TabSupport);
        CheckShown(QStringLiteral("language_support"));
    }

    void browseTab() {
        ClickTab(MervexWnd::TabBrowse);
        CheckShown(QStringLiteral("language_browse"));
    }
};

QTEST_MAIN(ScreenLanguages)
#include "screen_languages.moc"
