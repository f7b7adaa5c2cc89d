// Handlers of the data-source settings pages (set MVX_Sources). They run with the settings page as "this":
// GetSettingsValue reads the form as edited, SrcGetValue calls the page's data source.

// Tests the feed addresses as edited; on OK the source takes the addresses that passed, and the page shows
// them in place of the edited list (its other edits stay), so that APPLY stores them.
function NewsFeedTest() {
    var sources = this.GetSettingsValue("Sources");
    if (this.SrcGetValue("DoTestConnectParam", [sources]))
        this.RevertValue("Sources");
}

// Tests the mail account as edited, before it is saved.
function MailTest() {
    this.SrcGetValue("DoTestConnectParam", [
        this.GetSettingsValue("Server"), this.GetSettingsValue("Type"), this.GetSettingsValue("Security"),
        this.GetSettingsValue("UserName"), this.GetSettingsValue("Password")
    ]);
}
