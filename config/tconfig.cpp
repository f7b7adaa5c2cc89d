#include "config/tconfig.h"

#include "config/cfgread.h"
#include "config/tcontrol.h"
#include "foundation/logger/QsLog.h"

#include <QSet>

namespace {
const int kMaxSubConfigDepth = 16;
// Sub-configurations multiply: a control naming another several times, each naming the next, grows the work
// and the option list exponentially with the depth. One expansion (with all it reaches) is held to these.
const int kMaxSubExpansions = 1000;
const int kMaxOptions = 1024;

// Sub-configurations expanded since the outermost expansion began.
int& SubExpansionCount() {
    static int count = 0;
    return count;
}

// Controls whose sub-configurations are being expanded on this (the main) thread.
QSet<QString>& ExpandingControls() {
    static QSet<QString> keys;
    return keys;
}

QStringList TextList(const QVariant& v) {
    return v.toStringList();
}

// The handler lists of both blocks, A's entries first, each once.
QString MergeHandlers(const QString& a, const QString& b) {
    QStringList parts = a.split(QLatin1Char(';'));
    for (const QString& p : b.split(QLatin1Char(';'))) {
        if (!parts.contains(p))
            parts << p;
    }
    return parts.join(QLatin1Char(';'));
}
} // namespace

void DataCfg::TConfigOption::Read(const QVariantMap& map) {
    TBase::Read(map);
    TypeText = CfgRead::Text(map.value(QStringLiteral("Type")));
    Type = EnumFromText(QStringLiteral("ConfigOption"), QStringLiteral("CO_"), TypeText);
    if (Type == DataCfg::CO_Password)
        Encrypt = true;
    Items = TextList(map.value(QStringLiteral("Items")));
    Value = CfgRead::Text(map.value(QStringLiteral("Value")));
    ValueOrg = Value;
    Text = CfgRead::Text(map.value(QStringLiteral("Text")));
    Title = CfgRead::Text(map.value(QStringLiteral("Title")));
    Layout = CfgRead::Text(map.value(QStringLiteral("Layout")));
    Params = CfgRead::Text(map.value(QStringLiteral("Params")));
    Set.clear();
    const auto it = map.constFind(QStringLiteral("Encrypt"));
    if (it != map.constEnd())
        Encrypt = it.value().toBool();
}

void DataCfg::TConfig::Read(const QVariantMap& map) {
    TBase::Read(map);
    Description = CfgRead::Text(map.value(QStringLiteral("Description")));
    int insertAt = 0;
    for (const QVariant& entry : map.value(QStringLiteral("Options")).toList()) {
        const QVariantMap m = entry.toMap();
        const QString name = CfgRead::Text(m.value(QStringLiteral("Name")));
        TConfigOption* known = name.isEmpty() ? nullptr : FindOption(name);
        if (known) {
            known->Read(m);
            // QList does not store large values contiguously: find the index by identity.
            for (int i = 0; i < Options.size(); ++i) {
                if (&Options[i] == known) {
                    insertAt = i + 1;
                    break;
                }
            }
        } else {
            TConfigOption option;
            option.Read(m);
            Options.insert(insertAt, option);
            ++insertAt;
        }
    }
    Hidden = TextList(map.value(QStringLiteral("Hidden")));
}

DataCfg::TConfigOption* DataCfg::TConfig::FindOption(const QString& name) {
    for (TConfigOption& o : Options) {
        if (o.Name == name)
            return &o;
    }
    return nullptr;
}

QVariantMap DataCfg::TConfig::GetValues() const {
    QVariantMap values;
    for (const TConfigOption& o : Options) {
        if (o.Name == QLatin1String("Unknown") || o.Name.endsWith(QLatin1Char('#')))
            continue;
        values.insert(o.Name, o.Value);
    }
    return values;
}

void DataCfg::TConfig::SetValues(const QVariantMap& values) {
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        TConfigOption* o = FindOption(it.key());
        if (!o) {
            TConfigOption added;
            added.Name = it.key();
            added.Text = it.key();
            added.Type = DataCfg::CO_None;
            Options.append(added);
            o = &Options.last();
        }
        o->Value = CfgRead::Text(it.value());
    }
}

QList<DataCfg::TConfigOption> DataCfg::TConfig::GetOptions() {
    ExpandSubConfigs();
    return Options;
}

void DataCfg::TConfig::ExpandSubConfigs() {
    if (Expanded)
        return;
    // Set first: a control that names itself, directly or through others, is expanded once.
    Expanded = true;
    if (ExpandingControls().isEmpty())
        SubExpansionCount() = 0;
    for (int i = 0; i < Options.size(); ++i) {
        TConfigOption& option = Options[i];
        option.IsHidden = Hidden.contains(option.Name);
        if (option.Type != DataCfg::CO_SubConfig || option.IsHidden)
            continue;
        option.Type = DataCfg::CO_None;
        const QString title = option.Title;
        const QString value = option.Value;
        const QString layout = option.Layout;
        const QString text = option.Text;

        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() < 2) {
            QLOG_WARN() << "Invalid ConfigOption SubConfig Text:" << text << " (should be: 'subcfg_name:unique_prefix'";
            continue;
        }
        const QString subName = parts[0];
        const QString prefix = parts[1];
        DataCfg* cfg = DataCfg::Instance();
        TControl sub = cfg ? cfg->FindControl(subName, Set) : TControl();
        if (sub.Name.isEmpty()) {
            QLOG_WARN() << "Unknown SubConfig:" << value;
            continue;
        }
        // Copies of controls that are not yet expanded in the model can name each other in a ring; each
        // control is expanded at most once along one chain of sub-configurations.
        QSet<QString>& chain = ExpandingControls();
        const QString subKey = sub.GetKey();
        if (chain.contains(subKey) || chain.size() >= kMaxSubConfigDepth) {
            QLOG_WARN() << "DataCfg::TConfig::ExpandSubConfigs: sub-configuration cycle skipped:" << subKey;
            continue;
        }
        if (++SubExpansionCount() > kMaxSubExpansions || Options.size() >= kMaxOptions) {
            QLOG_WARN() << "DataCfg::TConfig::ExpandSubConfigs: too many sub-configurations, skipped:" << subKey;
            continue;
        }
        chain.insert(subKey);
        const QList<TConfigOption> subOptions = sub.Config.GetOptions();
        chain.remove(subKey);
        if (Options.size() - 1 + subOptions.size() > kMaxOptions) {
            QLOG_WARN() << "DataCfg::TConfig::ExpandSubConfigs: too many sub-configurations, skipped:" << subKey;
            continue;
        }
        OnInit = MergeHandlers(OnInit, sub.Config.OnInit);
        OnUpdate = MergeHandlers(OnUpdate, sub.Config.OnUpdate);
        if (!prefix.isEmpty()) {
            Set += QLatin1Char(';') + prefix;
            if (Set.startsWith(QLatin1Char(';')))
                Set.remove(0, 1);
        }
        if (subOptions.isEmpty())
            continue;
        Options.removeAt(i);
        for (int k = 0; k < subOptions.size(); ++k) {
            TConfigOption copy = subOptions[k];
            if (k == 0) {
                if (!title.isEmpty())
                    copy.Title = title;
                if (!value.isEmpty())
                    copy.Value = value;
            }
            if (k == subOptions.size() - 1 && !layout.isEmpty())
                copy.Layout = layout;
            if (copy.Name != QLatin1String("Unknown"))
                copy.Name = prefix + copy.Name;
            copy.Set = prefix + copy.Set;
            Options.insert(i + k, copy);
        }
        i += subOptions.size() - 1;
    }
}
