#pragma once
// The user's account of the maker's online service ("MERVEX World"): the account box (a login form, or the
// profile with LOGOUT), the login as an HTTPS form post, the stored credentials (settings entry "MervexLogin"),
// the create-account page in a web view of the program, whose finishing page hands the new credentials back,
// and the forgotten-password page in the desktop's browser. Certificates are always verified: a login or a
// page whose certificate does not verify fails.

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QUrl>
#include <QVariantMap>

class BluIcnBtn;
class DataCfg;
class ImgWidget;
class NetworkCookieJar;
class PopupWnd;
class QCheckBox;
class QLabelEx;
class QLineEdit;
class QNetworkAccessManager;
class QWebViewEx;
class StdBtn;
class StdIcnBtn;

class AccountUI : public QObject {
    Q_OBJECT
public:
    // A login reply is a small JSON object; anything far larger is not one.
    static constexpr qint64 MaxReplyBytes = 64 * 1024;
    // A login that receives nothing for this long has failed.
    static constexpr int TransferTimeoutMs = 30000;

    // The parent is the settings pane, which shows the box; the stored settings are those of cfg (the
    // program's configuration model when null).
    explicit AccountUI(QWidget* parent, DataCfg* cfg = nullptr);
    ~AccountUI() override;

    // Builds the account box into container: the login form (loginForm true) or the profile form.
    void BuildAccountBox(QWidget* container, bool loginForm);
    // Sets the box's texts in the current language.
    void ApplyTexts();

    // The process-wide account state (main thread only).
    static bool IsLoggedIn();
    static QString AccountId();
    static QString AccountName();

    // The stored "MervexLogin" map (empty when there is none).
    QVariantMap StoredLogin() const;

    // The box's widgets, null while it has none.
    QWidget* Container() const;
    QLineEdit* UserEdit() const;
    QLineEdit* PasswordEdit() const;
    QCheckBox* AutoLoginCheck() const;
    QLabelEx* AccountNameLabel() const;
    QLabelEx* ForgotLabel() const;
    BluIcnBtn* LoginButton() const;
    StdBtn* CreateButton() const;
    StdIcnBtn* ProfileButton() const;
    StdIcnBtn* LogoutButton() const;
    // The create-account page while it is open.
    PopupWnd* CreatePopup() const;
    QWebViewEx* WebView() const;

signals:
    void OnAccValidating();
    void OnAccValidated(bool ok);

public slots:
    void DoMervexLogin(int attempt, bool autoOnly);
    void DoMervexLogin(int attempt);
    void DoMervexLogin();
    void OnAccValidate();
    void OnPasswordForgot();
    void OnClickCreateAccount();
    void OnAutoCheckChange();
    void OnClickProfile();
    void OnClickLogout();
    void OnHttpDoneRPC(QNetworkReply* reply);
    void OnSslErrorsRPC(QNetworkReply* reply, const QList<QSslError>& errors);
    void OnWebViewUrlChanged(const QUrl& url);
    void OnHttpDoneWWW(QNetworkReply* reply);
    void OnSslErrorsWWW(QNetworkReply* reply, const QList<QSslError>& errors);
    void OnWebViewClose();
    void OnUpdateUserData();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVariantMap& Settings() const;
    void StoreLogin(const QVariantMap& login);
    void Fail(int attempt, const QString& text);

    QWidget* m_parent;
    DataCfg* m_cfg;
    QNetworkAccessManager* m_rpcManager = nullptr;
    QNetworkAccessManager* m_wwwManager = nullptr;
    NetworkCookieJar* m_cookieJar = nullptr;
    QPointer<PopupWnd> m_popup;
    QPointer<QWebViewEx> m_webView;

    QPointer<QWidget> m_container;
    QPointer<QLineEdit> m_edtUser;
    QPointer<QLineEdit> m_edtPassword;
    QPointer<QCheckBox> m_chkAuto;
    QPointer<QLabelEx> m_lblUser;
    QPointer<QLabelEx> m_lblEmail;
    QPointer<QLabelEx> m_lblPassword;
    QPointer<QLabelEx> m_lblAccountName;
    QPointer<QLabelEx> m_lblForgot;
    QPointer<BluIcnBtn> m_btnLogin;
    QPointer<StdBtn> m_btnCreate;
    QPointer<StdIcnBtn> m_btnProfile;
    QPointer<StdIcnBtn> m_btnLogout;
    QPointer<ImgWidget> m_picBackground;
    QPointer<ImgWidget> m_picture;
};
