#include "functions/macrosteps.h"

QStringList MacroSteps::Split(const QString& text) {
    QStringList steps;
    QString step;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < n &&
            (text.at(i + 1) == QLatin1Char('\\') || text.at(i + 1) == QLatin1Char(';'))) {
            step += text.at(++i);
        } else if (c == QLatin1Char(';')) {
            steps << step;
            step.clear();
        } else {
            step += c;
        }
    }
    steps << step;
    return steps;
}

QString MacroSteps::Escape(const QString& step) {
    QString out;
    out.reserve(step.size());
    for (const QChar c : step) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString MacroSteps::Join(const QStringList& steps) {
    QString out;
    for (int i = 0; i < steps.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(';');
        out += Escape(steps.at(i));
    }
    return out;
}
