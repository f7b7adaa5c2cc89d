#pragma once
// The library reports the failures of its worker threads to syslog. A test linked with syslogcapture.cpp takes
// the place of the C library's openlog, syslog and closelog, and reads the entries here instead.

#include <QStringList>

// The entries since the last call, each "<ident>\t<message>", and forgets them.
QStringList TakeSyslogEntries();
