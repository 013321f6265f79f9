// The authors' checker: what it finds in small books written to show each fault, how its
// random adventures end, and its command line.

#include "bookcheck.h"
#include "testmain.h"

namespace {

using Book = QByteArray;

// Each line of a finding as "LINE[:COLUMN]: severity: message".
QStringList findingLines(const BookCheck &book)
{
    QStringList lines;
    for (const Finding &finding : book.findings()) {
        QString place = QString::number(finding.line);
        if (finding.column > 0)
            place += QLatin1Char(':') + QString::number(finding.column);
        const bool error = finding.severity == Finding::Severity::Error;
        lines << place + (error ? ": error: " : ": warning: ") + finding.message;
    }
    return lines;
}

// A book whose first paragraph leads to an ending.
const Book soundBook =
    TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices><C Value="001">Aller</C></Choices></Attr>
<Attr id="001"><Type>V</Type></Attr>)");

} // namespace

class CheckTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void findsWhatIsWrong_data()
    {
        QTest::addColumn<Book>("book");
        // "LINE: severity: " and a part of the message; every finding must be expected.
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sound") << soundBook << QStringList();
        QTest::newRow("not well-formed") << Book("<L Title=\"x\">\n<Attr id=\"000\">\n</L>")
                                         << QStringList { "3:4: error: not well-formed XML" };
        QTest::newRow("undeclared entity")
            << Book("<L Title=\"x\">\n<Attr id=\"000\"><Text>a &nbsp; b</Text><Type>X</Type></Attr></L>")
            << QStringList { "2:29: warning: not well-formed XML: Entity 'nbsp' not declared.; the player reads on" };
        QTest::newRow("too deep") << Book("<L Title=\"x\">" + Book(300 * 3, 'a').replace("aaa", "<a>") + "</L>")
                                  << QStringList { "1: error: nested deeper than 256 levels" };
        QTest::newRow("no title") << Book("<L>\n<Attr id=\"000\"><Type>X</Type></Attr></L>")
                                  << QStringList { "1: error: the book list leaves this book out" };
        QTest::newRow("empty title") << Book("<L Title=\"\">\n<Attr id=\"000\"><Type>X</Type></Attr></L>")
                                     << QStringList { "1: error: the book list shows an empty title" };
        QTest::newRow("other title first")
            << Book("<!-- Title=\"Brouillon\" -->\n<L Title=\"Vrai\">\n<Attr id=\"000\"><Type>X</Type></Attr></L>")
            << QStringList { "1: error: the book list shows the title \"Brouillon\"" };
        QTest::newRow("no first paragraph") << TestWorkspace::book(R"(<Attr id="001"><Type>X</Type></Attr>)")
                                            << QStringList { "2: error: no paragraph \"000\"" };
        QTest::newRow("ways to nowhere") << TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices>
<C Value="001">Fin</C>
<C Value="099">Vers rien</C>
<C Value="002">Chance</C><C Value="003">Combat</C></Choices></Attr>
<Attr id="001"><Type>V</Type></Attr>
<Attr id="002"><Type>L</Type><Luck><Lucky Value="001">Oui</Lucky>
<Unlucky Value="098">Non</Unlucky></Luck></Attr>
<Attr id="003"><Type>A,F</Type>
<Monster><M Name="Ogre" Habilete="5" Endurance="5" Value="097"/></Monster>
<Flee active="1" Round="1"/></Attr>)")
                                         << QStringList { "5: error: choice \"Vers rien\" leads to \"099\"",
                                                          "9: error: the unlucky outcome leads to \"098\"",
                                                          "10: error: no ending",
                                                          "11: error: the victory over \"Ogre\" leads to \"097\"",
                                                          "12: error: the flight leads nowhere" };
        QTest::newRow("codes without elements")
            << TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices>
<C Value="001">Un</C><C Value="002">Deux</C><C Value="003">Trois</C></Choices></Attr>
<Attr id="001"><Type>C,X</Type></Attr>
<Attr id="002"><Type>L</Type><Luck><Lucky Value="001">Oui</Lucky></Luck></Attr>
<Attr id="003"><Type>A,X</Type></Attr>)")
            << QStringList { "5: error: code C without Choices", "6: error: Luck without Unlucky",
                             "7: error: code A without Monster" };
        // The elements without codes are found by one table: two of them show that it is read.
        QTest::newRow("elements without codes")
            << TestWorkspace::book(R"(<Attr id="000"><Type>X</Type>
<Choices><C Value="000">Encore</C></Choices>
<Flee active="1" Ref="000"/></Attr>
<Attr id="001"><Type>X</Type></Attr>)")
            << QStringList { "4: warning: Choices is written", "5: warning: Flee is written",
                             "6: warning: paragraph \"001\" cannot" };
        QTest::newRow("ignored codes") << TestWorkspace::book(R"(<Attr id="000"><Type>V, C,Z,V</Type></Attr>)")
                                       << QStringList { "3: warning: code \" C\"; did you mean \"C\"?",
                                                        "3: warning: code \"Z\"; the codes are",
                                                        "3: warning: code V is written 2 times" };
        QTest::newRow("misspelled names") << TestWorkspace::book(R"(<Attr id="000"><Type>A,F</Type>
<Monster><M Name="Rat" Habileté="5" Endurance="5" Value="001"/></Monster>
<Flee active="1" Round="1" Ref="001" Penalty="1"/>
<Choice Value="001">Fuir</Choice><Notes>Brouillon</Notes></Attr>
<Attr id="001"><Type>V</Type></Attr>)")
                                          << QStringList { "4: warning: Habileté is not read; did you mean Habilete?",
                                                           "5: warning: Penalty is not read; did you mean Penality?",
                                                           "6: warning: <Choice> is not read; did you mean <Choices>?",
                                                           "6: warning: element <Notes> inside <Attr>" };
        QTest::newRow("numbers read as 0") << TestWorkspace::book(R"(<Attr id="000"><Type>A,B</Type>
<Bonus Habilete="1.5" Chance="99999999999"/>
<Monster><M Name="Rat" Habilete="5" Endurance="5" Value="001"/></Monster><Flee active="true" Round="1" Ref="001"/></Attr>
<Attr id="001"><Type>O,V</Type><Objects><O throw="oui"><Text>Clé</Text><Type>arme</Type></O></Objects></Attr>)")
                                           << QStringList { "3: warning: code B without a Bonus",
                                                            "4: warning: Habilete \"1.5\" reads as 0",
                                                            "4: warning: Chance \"99999999999\" reads as 0",
                                                            "5: warning: active \"true\" reads as off",
                                                            "6: warning: throw \"oui\" reads as off",
                                                            "6: warning: Type \"arme\" reads as 0" };
        QTest::newRow("written twice") << TestWorkspace::book("<Attr id=\"000\"><Type>X</Type></Attr>\n"
                                                              "<Attr id=\"000\"><Type>V</Type></Attr>")
                                       << QStringList { "4: warning: paragraph \"000\" is written again; this one "
                                                        "replaces the one at line 3" };
        QTest::newRow("lost buttons")
            << TestWorkspace::book(R"(<Attr id="000"><Type>A,C</Type>
<Monster><M Name="Rat" Value="001"/><M Name="Loup" Value="001"/></Monster>
<Choices><C Value="001"> </C></Choices></Attr>
<Attr id="001"><Type>L,C</Type><Luck><Lucky Value="002">a</Lucky><Unlucky Value="002">b</Unlucky></Luck>
<Choices><C Value="002">Partir</C></Choices></Attr>
<Attr id="002"><Type>O,V</Type><Objects><O><Type>1</Type></O><O><Text>Bouclier</Text><Type>2</Type></O></Objects></Attr>)")
            << QStringList { "4: warning: code A with 2 monsters", "5: warning: choice 1 has an empty caption",
                             "6: warning: the buttons \"Tentez votre chance !\" and \"Partir\" are laid "
                             "in the same cell (row 1, column 0)",
                             "8: warning: object 1 is a weapon without a name" };
    }

    void findsWhatIsWrong()
    {
        QFETCH(Book, book);
        QFETCH(QStringList, expected);
        const QStringList found = findingLines(BookCheck(workspace.writeBook(QStringLiteral("livre.xml"), book)));
        QStringList unexpected = found;
        for (const QString &expectation : expected) {
            const int messageStart = expectation.indexOf(QStringLiteral(": "), expectation.indexOf(": ") + 1) + 2;
            const auto matches = [&](const QString &line) {
                return line.startsWith(expectation.left(messageStart)) && line.contains(expectation.mid(messageStart));
            };
            const auto match = std::find_if(unexpected.begin(), unexpected.end(), matches);
            QVERIFY2(match != unexpected.end(), qPrintable(expectation + "\nfound:\n" + found.join('\n')));
            unexpected.erase(match);
        }
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    void playsAdventures_data()
    {
        QTest::addColumn<Book>("book");
        QTest::addColumn<QStringList>("endings"); // each reached at least once
        QTest::addColumn<QString>("stuck");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("endless");
        QTest::addColumn<bool>("defeats");
        QTest::newRow("luck, fight and flight") << TestWorkspace::book(R"(<Attr id="000"><Type>L</Type>
<Luck><Lucky Value="001">Oui</Lucky><Unlucky Value="002">Non</Unlucky></Luck></Attr>
<Attr id="001"><Type>V</Type></Attr><Attr id="003"><Type>X</Type></Attr>
<Attr id="002"><Type>A</Type><Monster><M Name="Ogre" Habilete="30" Endurance="8" Value="001"/></Monster>
<Flee active="1" Round="1" Ref="003"/></Attr>)") << QStringList { "001", "003" }
                                                << QString() << QString() << QString() << true;
        QTest::newRow("stuck after a meal") << TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices>
<C Value="001">Fin</C><C Value="002">Repas</C></Choices></Attr>
<Attr id="001"><Type>V</Type></Attr><Attr id="002"><Type>E</Type></Attr>)")
                                            << QStringList { "001" } << "002" << QString() << QString() << false;
        QTest::newRow("missing and endless") << TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices>
<C Value="001">Fin</C><C Value="099">Rien</C><C Value="002">Boucle</C></Choices></Attr>
<Attr id="001"><Type>V</Type></Attr><Attr id="002"><Type>C</Type><Choices><C Value="002">Encore</C></Choices></Attr>)")
                                             << QStringList { "001" } << QString() << "099"
                                             << "002" << false;
    }

    void playsAdventures()
    {
        QFETCH(Book, book);
        QFETCH(QStringList, endings);
        QFETCH(QString, stuck);
        QFETCH(QString, missing);
        QFETCH(QString, endless);
        QFETCH(bool, defeats);
        BookCheck check(workspace.writeBook(QStringLiteral("livre.xml"), book));
        check.play(300, 5, 3);
        const PlayReport report = *check.playReport();
        QCOMPARE(report.endings.keys(), endings);
        QCOMPARE(report.stuck.keys(), stuck.isNull() ? QStringList() : QStringList { stuck });
        QCOMPARE(report.missing.keys(), missing.isNull() ? QStringList() : QStringList { missing });
        QCOMPARE(report.endless.keys(), endless.isNull() ? QStringList() : QStringList { endless });
        QCOMPARE(report.defeats > 0, defeats);
        int ended = report.defeats;
        for (const QMap<QString, int> &counts : { report.endings, report.stuck, report.missing, report.endless })
            ended += std::accumulate(counts.cbegin(), counts.cend(), 0);
        QCOMPARE(ended, 300);
        // The same seed plays the same adventures on one thread.
        check.play(300, 5, 1);
        QCOMPARE(check.playReport()->endings, report.endings);
        QCOMPARE(check.playReport()->defeats, report.defeats);
        QCOMPARE(check.playReport()->visited, report.visited);
    }

    void answersItsCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Book>("book");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        const Book broken =
            TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices><C Value="9">Aller</C></Choices></Attr>)");
        QTest::newRow("default folder")
            << QStringList() << soundBook << 0
            << "Add-on/livre.xml: 2 paragraphs, 2 reachable, 1 endings, 0 errors, 0 warnings";
        QTest::newRow("error") << QStringList { "Add-on/livre.xml" } << broken << 1
                               << "Add-on/livre.xml:3: error: choice \"Aller\" leads to \"9\"";
        QTest::newRow("no such file") << QStringList { "Add-on/absent.xml" } << soundBook << 1
                                      << "Add-on/absent.xml: error: the player cannot read this book: the file does "
                                         "not exist";
        QTest::newRow("json") << QStringList { "--format", "json" } << broken << 1 << "\"line\": 3,";
        QTest::newRow("play") << QStringList { "--play", "20", "--seed", "7" } << soundBook << 0
                              << "20 random adventures (seed 7):\n  100.0%  ending \"001\"";
        QTest::newRow("play count") << QStringList { "--play", "0" } << soundBook << 2 << "--play takes";
        QTest::newRow("format") << QStringList { "--format", "xml" } << soundBook << 2 << "text or json";
        QTest::newRow("unknown option") << QStringList { "--bogus" } << soundBook << 2 << "Unknown option 'bogus'";
        QTest::newRow("two maps") << QStringList { "--graph", "a.dot", "Add-on", "Add-on" } << soundBook << 2
                                  << "--graph draws the map of one book; 2 were named";
        QTest::newRow("version") << QStringList { "--version" } << soundBook << 0 << "valdoriel-check 0.1";
        QTest::newRow("help") << QStringList { "--help" } << soundBook << 0 << "--play <N>";
    }

    void answersItsCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Book, book);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        workspace.clearBooks();
        workspace.writeBook(QStringLiteral("livre.xml"), book);
        QProcess checker;
        checker.setProcessChannelMode(QProcess::MergedChannels);
        checker.start(QStringLiteral(VALDORIEL_CHECK), arguments);
        QVERIFY(checker.waitForFinished(60000));
        const QString printed = QString::fromUtf8(checker.readAll());
        QVERIFY2(printed.contains(output), qPrintable(printed));
        QCOMPARE(checker.exitCode(), exitCode);
    }

    void drawsTheMap()
    {
        workspace.writeBook(QStringLiteral("carte.xml"),
                            TestWorkspace::book(R"(<Attr id="000"><Type>L</Type>
<Luck><Lucky Value="001">Oui</Lucky><Unlucky Value="002">Non</Unlucky></Luck></Attr>
<Attr id="001"><Type>C</Type><Choices><C Value="003">Aller "loin"</C><C Value="099">Nulle part</C></Choices></Attr>
<Attr id="002"><Type>A</Type><Monster><M Name="Ogre" Value="003"/></Monster><Flee active="1" Round="1" Ref="001"/></Attr>
<Attr id="003"><Type>V</Type></Attr><Attr id="004"><Type>X</Type></Attr>)",
                                                "Carte"));
        QCOMPARE(QProcess::execute(QStringLiteral(VALDORIEL_CHECK), { "--graph", "carte.dot", "Add-on/carte.xml" }), 1);
        QFile map(QStringLiteral("carte.dot"));
        QVERIFY(map.open(QIODevice::ReadOnly));
        const QString dot = QString::fromUtf8(map.readAll());
        for (const char *line : {
                 "graph [label=\"Carte\"",
                 "\"000\" [style=\"rounded,bold\"];",
                 "\"003\" [style=\"rounded,filled\", fillcolor=palegreen];",
                 "\"004\" [style=\"rounded,filled,dashed\", fillcolor=gray85, color=gray50, fontcolor=gray50];",
                 "\"000\" -> \"001\" [label=\"lucky\"",
                 "\"000\" -> \"002\" [label=\"unlucky\"",
                 "\"001\" -> \"003\" [label=\"Aller \\\"loin\\\"\"];",
                 "\"001\" -> \"missing:099\" [label=\"Nulle part\"];",
                 "\"002\" -> \"003\" [label=\"victory: Ogre\"",
                 "\"002\" -> \"001\" [label=\"flight\"",
                 "\"missing:099\" [label=\"099 (missing)\", color=red, fontcolor=red];",
             })
            QVERIFY2(dot.contains(QString::fromUtf8(line)), line);
        QCOMPARE(QProcess::execute(QStringLiteral("dot"), { "-Tsvg", "-o", "carte.svg", "carte.dot" }), 0);
    }
};

VALDORIEL_TEST_MAIN(CheckTest)
#include "tst_check.moc"
