// Readers and writers of function, skin, layout, control, configuration, data-source, grid and list records.
#include "config/datacfgrecords.h"
#include "tests/config/cfgtestutil.h"

#include <QtTest>

using DC = DataCfg;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void functionOutputs_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("resolution");
        QTest::newRow("percent") << "{'Name':'CPU','Type':'Percent'}" << 3 << 0.0 << 1.0 << 0.0;
        QTest::newRow("percent range") << "{'Type':'Percent','Range':'0,100'}" << 3 << 0.0 << 100.0 << 0.0;
        QTest::newRow("single number") << "{'Range':50}" << 0 << 0.0 << 50.0 << 0.0;
        QTest::newRow("leading comma") << "{'Range':',50'}" << 0 << 0.0 << 50.0 << 0.0;
        QTest::newRow("negative") << "{'Range':'-10,10','Resolution':0.5}" << 0 << -10.0 << 10.0 << 0.5;
        QTest::newRow("no type") << "{}" << 0 << 0.0 << 1000000.0 << 0.0;
        QTest::newRow("not numbers") << "{'Range':'a,b','Type':'Float'}" << 2 << 0.0 << 0.0 << 0.0;
        QTest::newRow("unknown type") << "{'Type':'Text'}" << -1 << 0.0 << 1000000.0 << 0.0;
        QTest::newRow("not finite") << "{'Range':'nan,inf','Resolution':'-inf'}" << 0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("wrong types") << "{'Type':[1],'Range':{'a':1},'Resolution':'x'}" << 0 << 0.0 << 1000000.0 << 0.0;
    }
    void functionOutputs() {
        QFETCH(QString, json);
        DC::TFuncOutput o;
        o.Read(J(qPrintable(json)));
        QTEST(o.Type, "type");
        QTEST(o.RangeMin, "min");
        QTEST(o.RangeMax, "max");
        QTEST(o.Resolution, "resolution");
        QVERIFY(!o.Value.isValid());
    }

    void function() {
        DC::TFunction f;
        f.Read(J("{'Name':'DFP:CPU_Usage','Inherit':'X','Outputs':[{'Name':'a'},{'Name':'b','Type':'Bool'}],"
                 "'Inputs':[1,'two']}"));
        QCOMPARE(f.Name, QStringLiteral("DFP:CPU_Usage"));
        QCOMPARE(f.Outputs.size(), 2);
        QCOMPARE(f.Outputs[1].Type, 4);
        QCOMPARE(f.Inputs.size(), 2);
        DC::TFunction copy = f;
        copy.Outputs[0].Value = 5;
        QVERIFY(!f.Outputs[0].Value.isValid());
        DC::TFunction bare;
        bare.Read(J("{'Outputs':'not a list','Inputs':7}"));
        QVERIFY(bare.Outputs.isEmpty());
    }

    void layoutDefaults() {
        DC::TLayout l;
        QCOMPARE(l.Type, -1);
        QCOMPARE(l.Align, -1);
        QCOMPARE(l.FontSize, 0);
        QCOMPARE(l.Color.alpha(), 0);
        l.Read(J("{'Type':'Gfx','Gfx':'btn'}"));
        QCOMPARE(l.Type, 1);
        QCOMPARE(l.State, 0x509u);
        QCOMPARE(l.Align, 9);
        QCOMPARE(l.TextAlign, 9);
        QCOMPARE(l.BaseSize, 160);
        QCOMPARE(l.FontSize, 12);
        QCOMPARE(l.ControlClass, -1);
        QCOMPARE(l.Rect, QRectF(0, 0, 0, 0));
        QCOMPARE(l.Mask.type, -1);
        QCOMPARE(l.Mask.end, 1.0);
        QCOMPARE(l.MouseEvtMinAlpha, 128);
        QCOMPARE(l.MouseMoveDelay, 100);
        QCOMPARE(l.Opacity, 1.0);
    }

    void layoutKeys_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<uint>("state");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("click handler") << "{'OnMouseClick':'f'}" << 0x519u << "" << 12;
        QTest::newRow("click, disabled") << "{'OnMouseClick':'f','MouseEnabled':false}" << 0x509u << "" << 12;
        QTest::newRow("wheel only") << "{'OnMouseWheel':'f'}" << 0x509u << "" << 12;
        QTest::newRow("pressed gfx") << "{'GfxP':'p'}" << 0x519u << "" << 12;
        QTest::newRow("mouse mask") << "{'MouseMask':'m'}" << 0x519u << "" << 12;
        QTest::newRow("font size") << "{'Font':'Arial,18'}" << 0x509u << "Arial" << 18;
        QTest::newRow("font bad size") << "{'Font':'Arial,x'}" << 0x509u << "Arial" << 0;
        QTest::newRow("bits on") << "{'Toggle':true,'WordWrap':1,'TextStroke':'yes','TextUnderline':true,"
                                    "'Scrollable':true,'Rasterize':true,'MouseRepeat':true}"
                                 << (0x509u | 0x20 | 0x40 | 0x200 | 0x800 | 0x80 | 0x2000 | 0x4000) << "" << 12;
        QTest::newRow("bits off") << "{'Visible':false,'PressedOvl':'false','MouseEnabled':'0'}" << 0x108u << "" << 12;
    }
    void layoutKeys() {
        QFETCH(QString, json);
        DC::TLayout l;
        l.Read(J(qPrintable(json)));
        QTEST(l.State, "state");
        QTEST(l.Font, "font");
        QTEST(l.FontSize, "fontSize");
    }

    void layoutValues() {
        DC::TLayout l;
        l.Read(J("{'Type':'Internal','Control':'Wheel','BaseSize':0,'Skin':'x','Text':'t','Config':'c',"
                 "'MouseEvtMinAlpha':10,'Opacity':0.5,'ExtendHitTest':4,'MouseMoveDelay':7,'Align':'RightBottom',"
                 "'TextAlign':'Nope','ExtParams':{'k':1},'Override':{'L':{'Text':'x'}},'Mask':{},"
                 "'Color':'#f00','ColorP':'#80ff0000'}"));
        QCOMPARE(l.Color, QColor(255, 0, 0));
        QCOMPARE(l.ColorP, QColor(255, 0, 0, 0x80));
        QCOMPARE(l.Type, 4);
        QCOMPARE(l.ControlClass, 1);
        QCOMPARE(l.BaseSize, 160);
        QCOMPARE(l.MouseEvtMinAlpha, 10);
        QCOMPARE(l.Opacity, 0.5);
        QCOMPARE(l.ExtendHitTest, 4);
        QCOMPARE(l.MouseMoveDelay, 7);
        QCOMPARE(l.Align, 36);
        QCOMPARE(l.TextAlign, -1);
        QCOMPARE(l.ExtParams, J("{'k':1}"));
        QCOMPARE(l.Override.size(), 1);
        QCOMPARE(l.Mask.type, -1); // an empty mask object keeps the defaults
    }

    void layoutMask_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("input");
        const double pi = 3.141592653589793;
        QTest::newRow("radial") << "{'Type':'Radial'}" << 2 << 0.0 << 6.2831854820251465 << 0;
        QTest::newRow("horizontal start") << "{'Type':'Horizontal','Start':90}" << 0 << pi / 2 << 0.0 << 0;
        QTest::newRow("horizontal") << "{'Type':'Horizontal'}" << 0 << 0.0 << 1.0 << 0;
        QTest::newRow("vertical") << "{'Type':'Vertical','Input':-3}" << 1 << 1.0 << 0.0 << 0;
        QTest::newRow("degrees") << "{'Type':'Vertical','Start':180,'End':360,'Input':2}" << 1 << pi << 2 * pi << 2;
        QTest::newRow("unknown") << "{'Type':'Zig'}" << -1 << 0.0 << 0.0 << 0;
        QTest::newRow("not finite") << "{'Type':'Radial','Start':'nan','End':'inf'}" << 2 << 0.0 << 6.2831854820251465
                                    << 0;
    }
    void layoutMask() {
        QFETCH(QString, json);
        DC::TLayout l;
        QVariantMap m;
        m.insert(QStringLiteral("Mask"), J(qPrintable(json)));
        l.Read(m);
        QTEST(l.Mask.type, "type");
        QTEST(l.Mask.start, "start");
        QTEST(l.Mask.end, "end");
        QTEST(l.Mask.input, "input");
    }

    void mapping() {
        DC::TLayout l;
        l.ParseMapping(QStringLiteral("0.1->2.3,1->0.0,100.70->-5.2,junk"));
        QCOMPARE(l.Mapping.value(DC::TMapIdx(0, 1)), DC::TMapIdx(2, 3));
        QCOMPARE(l.Mapping.value(DC::TMapIdx(1, 0)), DC::TMapIdx(0, 0));
        QCOMPARE(l.Mapping.value(DC::TMapIdx(63, 63)), DC::TMapIdx(-1, 2));
        QVERIFY(l.Mapping.contains(DC::TMapIdx(0, 0))); // "junk" reads as 0.0 with an empty target
        QCOMPARE(l.Mapping.size(), 4);
        l.ParseMapping(QStringLiteral("2->3"));
        QCOMPARE(l.Mapping.size(), 5); // not emptied first
        l.ParseMapping(QString());
        QVERIFY(l.Mapping.isEmpty());
        QCOMPARE(DC::TMapIdx(-9, 99), DC::TMapIdx(-1, 63));
    }

    void layoutRect_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("fractions") << "{'Left':0.25,'Width':0.5,'Top':'0.5','Height':'1.0'}" << QRect(80, 80, 160, 160);
        QTest::newRow("pixels") << "{'Left':10,'Top':'5','Width':20,'Height':30}" << QRect(10, 5, 20, 30);
        QTest::newRow("negative pixels") << "{'Left':-10,'Width':1}" << QRect(3200, 0, 1, 0);
        QTest::newRow("not numbers") << "{'Left':'x','Width':[1]}" << QRect(0, 0, 0, 0);
        QTest::newRow("not finite") << "{'Left':'nan','Top':'-inf','Height':'inf'}" << QRect(0, 0, 0, 0);
        QTest::newRow("beyond the integers")
            << "{'Left':'-1e12','Width':'1e12','Top':'0.5e12'}" << QRect(0x3fffffff, 0x3fffffff, 0x3fffffff, 0);
    }
    void layoutRect() {
        QFETCH(QString, json);
        DC::TLayout l;
        l.Read(J(qPrintable(json)));
        QTEST(l.GetRect(320, 160), "rect");
    }

    void gfxLayoutTakesGraphicSize() {
        DataCfg cfg;
        DC::TGfx gfx;
        gfx.Name = QStringLiteral("btn");
        gfx.Set = QStringLiteral("S");
        gfx.Image = QImage(30, 20, QImage::Format_ARGB32);
        gfx.Size = QRect(0, 0, 30, 20);
        cfg.Gfxs().append(gfx);
        DC::TLayout l;
        l.Read(J("{'Type':'Gfx','GfxP':'btn','Left':4}"));
        l.Set = QStringLiteral("S");
        QCOMPARE(l.GetRect(100, 100), QRect(4, 0, 30, 20));
        cfg.Gfxs().clear();
        QCOMPARE(l.GetRect(100, 100), QRect(4, 0, 30, 20)); // kept in the record
        DC::TLayout missing;
        missing.Read(J("{'Type':'Gfx','Gfx':'none'}"));
        QCOMPARE(missing.GetRect(100, 100), QRect(0, 0, 0, 0));
    }

    void skin() {
        DC::TSkin s;
        s.Set = QStringLiteral("S");
        s.Read(J("{'Name':'Sk','Height':2,'Layouts':[{'Name':'L','Text':'a'},{'Name':'M','Text':'b'},"
                 "{'Name':'L','Text':'c'}]}"));
        QCOMPARE(s.Size, QSize(0, 2));
        QCOMPARE(s.Layouts.size(), 3);
        QCOMPARE(s.Layouts[2].Set, QStringLiteral("S"));
        DC::TSkin copy = s;
        copy.ApplyOverrides(J("{'L':{'Text':'new','Color':'#f00'},'Q':{'Text':'x'},'M':{'Color':'#0f0'}}"));
        QCOMPARE(copy.Layouts[0].Text, QStringLiteral("new"));
        QCOMPARE(copy.Layouts[1].Text, QStringLiteral("b"));
        QCOMPARE(copy.Layouts[2].Text, QStringLiteral("new"));
        QCOMPARE(copy.Layouts[0].Color.alpha(), 0);
        QCOMPARE(s.Layouts[0].Text, QStringLiteral("a")); // the copy was changed, not the original
        DC::TSkin bad;
        bad.Read(J("{'Layouts':{'a':1},'Width':'x'}"));
        QCOMPARE(bad.Size, QSize(0, 0));
        QVERIFY(bad.Layouts.isEmpty());
    }

    void controlSize_data() {
        QTest::addColumn<QVariant>("width");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("max");
        QTest::newRow("single") << QVariant(2) << 2 << 2;
        QTest::newRow("range") << QVariant("1,3") << 1 << 3;
        QTest::newRow("max below") << QVariant("3,1") << 3 << 3;
        QTest::newRow("zero min") << QVariant("0,4") << 1 << 4;
        QTest::newRow("absent") << QVariant() << 1 << 1;
        QTest::newRow("list") << QVariant(QVariantList{1, 2}) << 1 << 1;
    }
    void controlSize() {
        QFETCH(QVariant, width);
        QVariantMap m;
        if (width.isValid())
            m.insert(QStringLiteral("Width"), width);
        DC::TControl c;
        QCOMPARE(c.Size, QSize(-1, -1));
        c.Read(m);
        QTEST(c.Size.width(), "size");
        QTEST(c.MaxSize.width(), "max");
        QCOMPARE(c.Size.height(), 1);
    }

    void controlFields() {
        DC::TControl c;
        c.Read(
            J("{'Name':'Vol','Skins':['a','b'],'Functions':['DFP:Vol(1)'],'SkinIdx':1,'ExtParams':{'x':1},"
              "'Config':{'Name':'cfg','Description':'d','Hidden':['h'],'Options':[{'Name':'o','Type':'Password'}]}}"));
        QCOMPARE(c.Skins, QStringList({"a", "b"}));
        QCOMPARE(c.Functions.size(), 1);
        QCOMPARE(c.SkinIdx, 1);
        QCOMPARE(c.Config.Name, QStringLiteral("cfg"));
        QCOMPARE(c.Config.Description, QStringLiteral("d"));
        QCOMPARE(c.Config.Hidden, QStringList{"h"});
        QVERIFY(c.Config.Options[0].Encrypt);
    }

    void optionRead() {
        DC::TConfigOption o;
        o.Set = QStringLiteral("prefix");
        o.Read(J("{'Name':'p','Type':'Password','Encrypt':false,'Items':['a',2],'Value':5,'Text':'t','Title':'T',"
                 "'Layout':'L','Params':'P'}"));
        QCOMPARE(o.Type, 2);
        QVERIFY(!o.Encrypt); // the key overrides the password rule
        QCOMPARE(o.Items, QStringList({"a", "2"}));
        QCOMPARE(o.Value, QStringLiteral("5"));
        QCOMPARE(o.ValueOrg, QStringLiteral("5"));
        QVERIFY(o.Set.isEmpty());
        QCOMPARE(o.Layout, QStringLiteral("L"));
        QCOMPARE(o.Params, QStringLiteral("P"));
        DC::TConfigOption none;
        none.Read(J("{'Type':''}"));
        QCOMPARE(none.Type, -1);
    }

    void optionsMergeOnInherit() {
        DC::TControl parent;
        parent.Read(J("{'Name':'P','Config':{'Options':[{'Name':'A'},{'Name':'B','Value':'1'},{'Name':'C'}]}}"));
        DC::TControl child = parent;
        child.Read(J("{'Name':'Ch','Config':{'Options':[{'Name':'D'},{'Name':'B','Value':'2'},{'Name':'E'}]}}"));
        QStringList names;
        for (const auto& o : child.Config.Options)
            names << o.Name;
        QCOMPARE(names, QStringList({"D", "A", "B", "E", "C"}));
        QCOMPARE(child.Config.FindOption(QStringLiteral("B"))->Value, QStringLiteral("2"));
        QCOMPARE(child.Size, QSize(1, 1)); // keys read whether present or not
        DC::TConfig unnamed;
        unnamed.Read(J("{'Options':[{},{},{'Name':''},{'Name':''}]}"));
        QCOMPARE(unnamed.Options.size(), 4);
        QCOMPARE(unnamed.Options[0].Name, QStringLiteral("Unknown"));
        QVERIFY(unnamed.Options[3].Name.isEmpty());
    }

    void values() {
        DC::TConfig c;
        c.Read(J("{'Options':[{'Name':'a','Value':'1'},{},{'Name':'b#','Value':'x'},{'Name':'a','Value':'dup'}]}"));
        QCOMPARE(c.Options.size(), 3); // the second "a" re-reads the first
        QCOMPARE(c.GetValues(), J("{'a':'dup'}"));
        c.SetValues(QVariantMap());
        QCOMPARE(c.Options.size(), 3);
        c.SetValues(J("{'a':7,'new':'v'}"));
        QCOMPARE(c.Options.size(), 4);
        const DC::TConfigOption* added = c.FindOption(QStringLiteral("new"));
        QVERIFY(added);
        QCOMPARE(added->Text, QStringLiteral("new"));
        QCOMPARE(added->Type, -1);
        QCOMPARE(c.FindOption(QStringLiteral("a"))->Value, QStringLiteral("7"));
        QCOMPARE(c.FindOption(QStringLiteral("a"))->ValueOrg, QStringLiteral("dup"));
        QVERIFY(!c.FindOption(QStringLiteral("A")));
    }

    void subConfigs() {
        DataCfg cfg;
        DC::TControl base;
        base.Read(J("{'Name':'Base','Config':{'OnInit':'S:baseInit','OnUpdate':'up',"
                    "'Options':[{'Name':'Speed','Title':'s'},{'Name':'Mode','Layout':'m'}]}}"));
        base.Set = QStringLiteral("S");
        cfg.Controls().append(base);
        DC::TControl c;
        c.Read(J("{'Name':'User','Config':{'OnInit':'mine','Hidden':['hid'],'Options':["
                 "{'Name':'first'},"
                 "{'Name':'sub','Type':'SubConfig','Text':'Base:b_','Title':'T','Value':'V','Layout':'L'},"
                 "{'Name':'sub2','Type':'SubConfig','Text':'Base:c_'},"
                 "{'Name':'hid','Type':'SubConfig','Text':'Base:h_'},"
                 "{'Name':'bad','Type':'SubConfig','Text':'nocolon'},"
                 "{'Name':'gone','Type':'SubConfig','Text':'Missing:x_','Value':'val'}]}}"));
        LogCapture log;
        const QList<DC::TConfigOption> opts = c.Config.GetOptions();
        QStringList names;
        for (const auto& o : opts)
            names << o.Name;
        QCOMPARE(names, QStringList({"first", "b_Speed", "b_Mode", "c_Speed", "c_Mode", "hid", "bad", "gone"}));
        QCOMPARE(opts[1].Title, QStringLiteral("T"));
        QCOMPARE(opts[1].Value, QStringLiteral("V"));
        QCOMPARE(opts[2].Layout, QStringLiteral("L"));
        QCOMPARE(opts[1].Set, QStringLiteral("b_"));
        QCOMPARE(opts[3].Title, QStringLiteral("s"));
        QCOMPARE(opts[4].Layout, QStringLiteral("m"));
        QCOMPARE(opts[5].Type, 19); // hidden: left as it is
        QVERIFY(opts[5].IsHidden);
        QCOMPARE(opts[6].Type, -1);
        QCOMPARE(opts[7].Type, -1);
        QCOMPARE(c.Config.Set, QStringLiteral("b_;c_"));
        QCOMPARE(c.Config.OnInit, QStringLiteral("mine;S:baseInit"));
        QCOMPARE(c.Config.OnUpdate, QStringLiteral(";up"));
        QVERIFY(log.Has(QStringLiteral("Invalid ConfigOption SubConfig Text: \"nocolon\"")));
        QVERIFY(log.Has(QStringLiteral("Unknown SubConfig: \"val\"")));
        // Once per block.
        QCOMPARE(c.Config.GetOptions().size(), opts.size());
    }

    void subConfigSelfReference() {
        DataCfg cfg;
        DC::TControl self;
        self.Read(J("{'Name':'Self','Config':{'Options':[{'Name':'a'},"
                    "{'Name':'s','Type':'SubConfig','Text':'Self:p_'}]}}"));
        cfg.Controls().append(self);
        // The looked-up copy is the block as it is at that moment: already marked, its option s already cleared.
        DC::TControl& inList = cfg.Controls()[0];
        inList.Config.ExpandSubConfigs();
        QStringList names;
        for (const auto& o : inList.Config.Options)
            names << o.Name;
        QCOMPARE(names, QStringList({"a", "p_a", "p_s"}));
    }

    void subConfigRing() {
        // B and C name each other; neither is expanded in the model when A's expansion reaches them.
        DataCfg cfg;
        for (const char* json : {"{'Name':'A','Config':{'Options':[{'Name':'s','Type':'SubConfig','Text':'B:b_'}]}}",
                                 "{'Name':'B','Config':{'Options':[{'Name':'x'},{'Name':'s','Type':'SubConfig',"
                                 "'Text':'C:c_'}]}}",
                                 "{'Name':'C','Config':{'Options':[{'Name':'y'},{'Name':'s','Type':'SubConfig',"
                                 "'Text':'B:b_'}]}}"}) {
            DC::TControl c;
            c.Read(J(json));
            cfg.Controls().append(c);
        }
        LogCapture log;
        cfg.Controls()[0].Config.ExpandSubConfigs();
        QStringList names;
        for (const auto& o : cfg.Controls()[0].Config.Options)
            names << o.Name;
        QCOMPARE(names, QStringList({"b_x", "b_c_y", "b_c_s"}));
        QVERIFY(log.Has(QStringLiteral("sub-configuration cycle skipped")));
    }

    void subConfigExplosion_data() {
        QTest::addColumn<int>("fanOut");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("leafOptions");
        QTest::newRow("deep chain of empty controls") << 10 << 12 << 0; // 10^12 expansions unbounded
        QTest::newRow("wide tree of options") << 8 << 5 << 1;           // 8^5 options unbounded
    }
    void subConfigExplosion() {
        QFETCH(int, fanOut);
        QFETCH(int, depth);
        QFETCH(int, leafOptions);
        DataCfg cfg;
        for (int level = 0; level <= depth; ++level) {
            QVariantList options;
            for (int k = 0; k < (level < depth ? fanOut : leafOptions); ++k) {
                QVariantMap o;
                o.insert(QStringLiteral("Name"), QStringLiteral("o%1").arg(k));
                if (level < depth) {
                    o.insert(QStringLiteral("Type"), QStringLiteral("SubConfig"));
                    o.insert(QStringLiteral("Text"), QStringLiteral("L%1:p%2_").arg(level + 1).arg(k));
                }
                options << o;
            }
            QVariantMap config;
            config.insert(QStringLiteral("Options"), options);
            QVariantMap control;
            control.insert(QStringLiteral("Name"), QStringLiteral("L%1").arg(level));
            control.insert(QStringLiteral("Config"), config);
            DC::TControl c;
            c.Read(control);
            cfg.Controls().append(c);
        }
        LogCapture log;
        cfg.Controls()[0].Config.ExpandSubConfigs();
        QVERIFY(cfg.Controls()[0].Config.Options.size() <= 1024);
        QVERIFY(log.Has(QStringLiteral("too many sub-configurations")));
        // The limit holds per expansion: the next control is expanded as usual.
        DC::TControl& next = cfg.Controls()[depth - 1];
        next.Config.ExpandSubConfigs();
        // (Sub-configurations that bring no options stay in the list, expanded to type -1.)
        QCOMPARE(next.Config.Options.size(), fanOut * qMax(1, leafOptions));
        for (const DC::TConfigOption& o : next.Config.Options)
            QCOMPARE(o.Type, -1);
    }

    void subConfigOfInheritingControl() {
        // A control inheriting from an already expanded control still expands its own sub-configurations.
        DataCfg cfg;
        DC::TControl base;
        base.Read(J("{'Name':'Base','Config':{'Options':[{'Name':'x'}]}}"));
        cfg.Controls().append(base);
        cfg.Controls()[0].Config.ExpandSubConfigs();
        DC::TControl child = cfg.FindControl(QStringLiteral("Base"));
        QVERIFY(child.Config.Expanded);
        child.Read(J("{'Name':'Child','Config':{'Options':[{'Name':'s','Type':'SubConfig','Text':'Base:k_'}]}}"));
        QStringList names;
        for (const auto& o : child.Config.GetOptions())
            names << o.Name;
        QCOMPARE(names, QStringList({"k_x", "x"}));
    }

    void dataSource() {
        DC::TDataSource s;
        s.Read(J("{'Name':'Mail','Icon':'i','Title':'t','Config':{'Name':'c','Options':[{'Name':'o','Value':'1'}]}}"));
        QCOMPARE(s.Config.Options.size(), 1);
        QCOMPARE(s.Write(), J("{'Name':'Mail','Icon':'i','Title':'t','Config':{'Name':'c'}}"));
        DC::TDataSource u;
        u.Read(QVariantMap());
        QCOMPARE(u.Write(), J("{'Config':{}}"));
    }

    void gridHeight_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("height");
        QTest::newRow("small") << "{'Elements':[{'Top':0},{'Top':2}]}" << 5;
        QTest::newRow("row 7") << "{'Elements':[{'Top':'7'}]}" << 8;
        QTest::newRow("given") << "{'Height':3,'Elements':[{'Top':7}]}" << 3;
        QTest::newRow("bad elements") << "{'Elements':'x'}" << 5;
        QTest::newRow("last row") << "{'Elements':[{'Top':'2147483647'}]}" << 2147483647;
    }
    void gridHeight() {
        QFETCH(QString, json);
        DC::TGrid g;
        g.Read(J(qPrintable(json)));
        QTEST(g.Height, "height");
    }

    void gridTitleAndWrite() {
        DC::TGrid builtIn;
        builtIn.Read(J("{'Name':'G','Exe0':'a.exe','Exe1':'b.exe','IconPreview':'p','Screenshot':'s',"
                       "'OnInit':'x','Height':9,'Elements':[{'Name':'e','Control':'S:Vol','Left':1,'Top':2,"
                       "'SkinIdx':0,'Config':{'k':'v'}},{'Left':0,'Top':0}]}"));
        QCOMPARE(builtIn.Title, QStringLiteral("G"));
        QVERIFY(builtIn.IconPreview.isEmpty());
        QCOMPARE(builtIn.Write(), J("{'Name':'G','Title':'G','Exe0':'a.exe','Exe1':'a.exe','Elements':["
                                    "{'Name':'e','Control':'S:Vol','Left':1,'Top':2,'SkinIdx':0,'Config':{'k':'v'}},"
                                    "{'Left':0,'Top':0}]}"));
        // The stored form keeps what the signing form loses.
        const QVariantMap stored = builtIn.WriteStored();
        QCOMPARE(stored.value(QStringLiteral("Exe1")).toString(), QStringLiteral("b.exe"));
        QCOMPARE(stored.value(QStringLiteral("Height")).toInt(), 9);
        QCOMPARE(stored.value(QStringLiteral("OnInit")).toString(), QStringLiteral("x"));
        DC::TGrid back;
        back.Read(stored);
        QCOMPARE(back.WriteStored(), stored);
        QCOMPARE(back.Height, 9);

        DC::TGrid custom;
        custom.Custom = true;
        custom.Read(J("{'Name':'C','Exe1':'b.exe'}"));
        QVERIFY(custom.Title.isEmpty());
        QCOMPARE(custom.Write(), J("{'Name':'C','Exe1':'','Elements':[]}"));
        QVERIFY(!custom.WriteStored().contains(QStringLiteral("Height")));
        QCOMPARE(custom.GetDisplayName(), QStringLiteral("C"));
        builtIn.Set = QStringLiteral("[MERVEX]");
        QCOMPARE(builtIn.GetDisplayName(), QStringLiteral("[MERVEX] G"));
    }

    void ctrlSet() {
        DC::TCtrlSet s;
        s.Read(J("{'Name':'Media','ExpandCategories':['a'],'Elements':[{'Name':'v','Control':'S:V','Category':'c',"
                 "'Screenshot':'x','Config':{'o':1}},{}]}"));
        s.Read(J("{'Name':'Media','Elements':[{'Name':'w'}]}"));
        QCOMPARE(s.Elements.size(), 3); // appended
        QCOMPARE(s.IndexOf(QStringLiteral("w")), 2);
        QCOMPARE(s.IndexOf(QStringLiteral("W")), -1);
        QVERIFY(s.Elements[0].Screenshot.isEmpty());
        const QVariantMap written = s.Write();
        QCOMPARE(written, J("{'Name':'Media','Elements':[{'Name':'v','Control':'S:V','Category':'c',"
                            "'Config':{'o':1}},{},{'Name':'w'}]}"));
        DC::TCtrlSet back;
        back.Read(written);
        QVERIFY(back.ExpandCategories.isEmpty());
    }
};

QTEST_MAIN(TestRecords)
#include "test_records.moc"
