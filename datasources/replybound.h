#pragma once
// A bound on the body of a network reply: a reply whose body grows past it is aborted and marked, so that its
// finished slot knows to drop it instead of parsing a truncated body.

#include <QtGlobal>

class QNetworkReply;

namespace ReplyBound {

// Watches the reply; logPrefix starts the log line written when the bound is passed ("Class::Method:").
void Limit(QNetworkReply* reply, qint64 maxBytes, const char* logPrefix);
// Whether Limit aborted the reply.
bool TooLarge(const QNetworkReply* reply);

} // namespace ReplyBound
