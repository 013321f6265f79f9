// The authors' checker: what it finds in small books written to show each fault, how its
// random adventures end, and its command line.

#include "bookcheck.h"
#include "testmain.h"

namespace {

using Book = QByteArray;

// Each line of a finding as "LINE[:COLUMN]: severity: code: message".
QStringList findingLines(const BookCheck &book)
{
    QStringList lines;
    for (const Finding &finding : book.findings()) {
        QString place = QString::number(finding.line);
        if (finding.column > 0)
            place += QLatin1Char(':') + QString::number(finding.column);
        const bool error = finding.severity == Finding::Severity::Error;
        lines << place + (error ? ": error: " : ": warning: ") + finding.code + ": " + finding.message;
    }
    return lines;
}

// A book whose first paragraph leads to an ending.
const Book soundBook =
    TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices><C Value="001">Aller</C></Choices></Attr>
<Attr id="001"><Type>V</Type></Attr>)");

// The book of the real shape, sound, with `fault` written in place of the first `written`.
Book realBook(const Book &written = Book(), const Book &fault = Book())
{
    QFile file(TestWorkspace::repositoryFile(QStringLiteral("tests/books/la-foret-des-murmures.xml")));
    Book book = file.open(QIODevice::ReadOnly) ? file.readAll() : Book();
    const int at = book.indexOf(written);
    return at < 0 ? Book() : book.replace(at, written.size(), fault);
}

} // namespace

class CheckTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void findsWhatIsWrong_data()
    {
        QTest::addColumn<Book>("book");
        // "LINE: severity: code: " and a part of the message; every finding must be expected.
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sound") << soundBook << QStringList();
        // Long paragraphs of HTML hide no finding, and random play adds none.
        QTest::newRow("sound, of the real shape") << realBook() << QStringList();
        QTest::newRow("not well-formed") << Book("<L Title=\"x\">\n<Attr id=\"000\">\n</L>")
                                         << QStringList { "3:4: error: malformed-xml: XML mal formé" };
        QTest::newRow("undeclared entity")
            << Book("<L Title=\"x\">\n<Attr id=\"000\"><Text>a &nbsp; b</Text><Type>X</Type></Attr></L>")
            << QStringList { "2:29: warning: malformed-xml: Entity 'nbsp' not declared. ; Valdoriel poursuit" };
        // Declared entities are charged by what they add, as the loader charges them.
        QTest::newRow("many references to a declared entity")
            << Book("<!DOCTYPE L [<!ENTITY e \"\xc3\xa9\">]>\n<L Title=\"x\">\n<Attr id=\"000\"><Text>" +
                    Book("&e;").repeated(3000) + "</Text><Type>X</Type></Attr></L>")
            << QStringList {};
        QTest::newRow("too deep") << Book("<L Title=\"x\">" + Book(300 * 3, 'a').replace("aaa", "<a>") + "</L>")
                                  << QStringList { "1: error: too-deep: plus de 256 niveaux" };
        QTest::newRow("no title") << Book("<L>\n<Attr id=\"000\"><Type>X</Type></Attr></L>")
                                  << QStringList { "1: error: no-title: " };
        QTest::newRow("empty title") << Book("<L Title=\"\">\n<Attr id=\"000\"><Type>X</Type></Attr></L>")
                                     << QStringList { "1: error: empty-title: " };
        QTest::newRow("other title first")
            << Book("<!-- Title=\"Brouillon\" -->\n<L Title=\"Vrai\">\n<Attr id=\"000\"><Type>X</Type></Attr></L>")
            << QStringList { "1: error: title-mismatch: le titre « Brouillon »" };
        QTest::newRow("no first paragraph")
            << TestWorkspace::book(R"(<Attr id="001"><Type>X</Type></Attr>)")
            << QStringList { "0: warning: adventure-stuck: ", "2: error: no-first-paragraph: " };
        QTest::newRow("ways to nowhere")
            << TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices>
<C Value="001">Fin</C>
<C Value="099">Vers rien</C>
<C Value="002">Chance</C><C Value="003">Combat</C></Choices></Attr>
<Attr id="001"><Type>V</Type></Attr>
<Attr id="002"><Type>L</Type><Luck><Lucky Value="001">Oui</Lucky>
<Unlucky Value="098">Non</Unlucky></Luck></Attr>
<Attr id="003"><Type>A,F</Type>
<Monster><M Name="Ogre" Habilete="5" Endurance="5" Value="097"/></Monster>
<Flee active="1" Round="1"/></Attr>)")
            << QStringList { "5: error: way-to-missing-paragraph: le choix « Vers rien » mène à « 099 »",
                             "9: error: way-to-missing-paragraph: l'issue malchanceuse mène à « 098 »",
                             "10: error: no-ending-reachable: « 003 »",
                             "11: error: way-to-missing-paragraph: la victoire sur « Ogre » mène à « 097 »",
                             "12: error: way-nowhere: la fuite ne mène nulle part : il manque Ref" };
        QTest::newRow("codes without elements")
            << TestWorkspace::book(R"(<Attr id="000"><Type>C</Type><Choices>
<C Value="001">Un</C><C Value="002">Deux</C><C Value="003">Trois</C></Choices></Attr>
<Attr id="001"><Type>C,X</Type></Attr>
<Attr id="002"><Type>L</Type><Luck><Lucky Value="001">Oui</Lucky></Luck></Attr>
<Attr id="003"><Type>A,X</Type></Attr>)")
            << QStringList { "5: error: missing-choices: ", "6: error: missing-luck-outcome: Luck sans Unlucky",
                             "7: error: missing-monster: " };
        // The elements without codes are found by one table: two of them show that it is read.
        QTest::newRow("elements without codes")
            << TestWorkspace::book(R"(<Attr id="000"><Type>X</Type>
<Choices><C Value="000">Encore</C></Choices>
<Flee active="1" Ref="000"/></Attr>
<Attr id="001"><Type>X</Type></Attr>)")
            << QStringList { "4: warning: element-without-code: Choices", "5: warning: element-without-code: Flee",
                             "6: warning: unreachable-paragraph: « 001 »" };
        QTest::newRow("ignored codes") << TestWorkspace::book(R"(<Attr id="000"><Type>V, C,Z,V</Type></Attr>)")
                                       << QStringList { "3: warning: unknown-code: vouliez-vous dire « C » ?",
                                                        "3: warning: unknown-code: « Z » ; les codes sont",
                                                        "3: warning: repeated-code: V est écrit 2 fois" };
        QTest::newRow("misspelled names")
            << TestWorkspace::book(R"(<Attr id="000"><Type>A,F</Type>
<Monster><M Name="Rat" Habileté="5" Endurance="5" Value="001"/></Monster>
<Flee active="1" Round="1" Ref="001" Penalty="1"/>
<Choice Value="001">Fuir</Choice><Notes>Brouillon</Notes></Attr>
<Attr id="001"><Type>V</Type></Attr>)")
            << QStringList { "4: warning: unread-attribute: Habileté n'est pas lu ; vouliez-vous dire Habilete ?",
                             "5: warning: unread-attribute: vouliez-vous dire Penality ?",
                             "6: warning: unread-element: vouliez-vous dire <Choices> ?",
                             "6: warning: unread-element: <Notes> dans <Attr>" };
        QTest::newRow("numbers read as 0") << TestWorkspace::book(R"(<Attr id="000"><Type>A,B</Type>
<Bonus Habilete="1.5" Chance="99999999999"/>
<Monster><M Name="Rat" Habilete="5" Endurance="5" Value="001"/></Monster><Flee active="true" Round="1" Ref="001"/></Attr>
<Attr id="001"><Type>O,V</Type><Objects><O throw="oui"><Text>Clé</Text><Type>arme</Type></O></Objects></Attr>)")
                                           << QStringList { "3: warning: missing-bonus: ",
                                                            "4: warning: number-read-as-zero: Habilete « 1.5 »",
                                                            "4: warning: number-read-as-zero: Chance « 99999999999 »",
                                                            "5: warning: flag-read-as-off: active « true »",
                                                            "6: warning: flag-read-as-off: throw « oui »",
                                                            "6: warning: number-read-as-zero: Type « arme »" };
        QTest::newRow("written twice") << TestWorkspace::book("<Attr id=\"000\"><Type>X</Type></Attr>\n"
                                                              "<Attr id=\"000\"><Type>V</Type></Attr>")
                                       << QStringList { "4: warning: repeated-paragraph: celui de la ligne 3" };
        QTest::newRow("lost buttons")
            << TestWorkspace::book(R"(<Attr id="000"><Type>A,C</Type>
<Monster><M Name="Rat" Value="001"/><M Name="Loup" Value="001"/></Monster>
<Choices><C Value="001"> </C></Choices></Attr>
<Attr id="001"><Type>L,C</Type><Luck><Lucky Value="002">a</Lucky><Unlucky Value="002">b</Unlucky></Luck>
<Choices><C Value="002">Partir</C></Choices></Attr>
<Attr id="002"><Type>O,V</Type><Objects><O><Type>1</Type></O><O><Text>Bouclier</Text><Type>2</Type></O></Objects></Attr>)")
            << QStringList { "4: warning: several-monsters: 2 monstres", "5: warning: empty-caption: le choix 1",
                             "6: warning: covered-button: « Tentez votre chance ! » et « Partir »",
                             "8: warning: unnamed-object: l'objet 1 est une arme" };
        // Each fault written into the book of the real shape still gets its finding.
        QTest::newRow("real: a victory to no paragraph")
            << realBook(R"(Value="129")", R"(Value="192")")
            << QStringList { "47: error: way-to-missing-paragraph: « Araignée des caves » mène à « 192 »",
                             "533: warning: unreachable-paragraph: « 129 »" };
        QTest::newRow("real: a flight never offered") << realBook(R"(Round="1" Ref="124")", R"(Round="0" Ref="124")")
                                                      << QStringList { "173: warning: flight-not-offered: " };
        QTest::newRow("real: a flight over the luck test")
            << realBook("<Type>F,L</Type>", "<Type>L,F</Type>")
            << QStringList { "150: warning: covered-button: « Tentez votre chance ! » et « Fuir »" };
        QTest::newRow("real: a meal with nothing after")
            << realBook("suffira peut-être pas. »</p>]]></Text>\n    <Type>E,C</Type>",
                        "suffira peut-être pas. »</p>]]></Text>\n    <Type>E</Type>")
            << QStringList { "310: error: no-ending-reachable: « 70 »",
                             "310: warning: adventure-stuck: ", "316: warning: element-without-code: Choices" };
    }

    void findsWhatIsWrong()
    {
        QFETCH(Book, book);
        QFETCH(QStringList, expected);
        BookCheck check(workspace.writeBook(QStringLiteral("livre.xml"), book));
        check.play(1000, 1);
        const QStringList found = findingLines(check);
        QStringList unexpected = found;
        for (const QString &expectation : expected) {
            int messageStart = 0;
            for (int separator = 0; separator < 3; ++separator)
                messageStart = expectation.indexOf(QStringLiteral(": "), messageStart) + 2;
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
        QCOMPARE(check.playReport()->visits, report.visits);
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
            << "Add-on/livre.xml : 2 paragraphes, 2 accessibles, 1 fin, 0 erreur, 0 avertissement";
        QTest::newRow("error") << QStringList { "Add-on/livre.xml" } << broken << 1
                               << "Add-on/livre.xml:3: erreur : le choix « Aller » mène à « 9 », qui n'est pas un "
                                  "paragraphe de ce livre\n";
        QTest::newRow("no such file") << QStringList { "Add-on/absent.xml" } << soundBook << 1
                                      << "Add-on/absent.xml: erreur : Valdoriel ne peut pas lire ce livre : le fichier "
                                         "n'existe pas";
        QTest::newRow("json") << QStringList { "--format", "json" } << broken << 1
                              << "\"code\": \"way-to-missing-paragraph\",";
        QTest::newRow("play") << QStringList { "--play", "20", "--seed", "7" } << soundBook << 0
                              << "20 aventures au hasard ont lu 2 des 2 paragraphes (100 %), graine 7\n"
                                 "  20  100,0 %  fin « 001 »\n";
        // One choice in 25 leads to the paragraph before the ending "003".
        QTest::newRow("ending behind a seldom read paragraph")
            << QStringList { "--play", "1000" }
            << TestWorkspace::book("<Attr id=\"000\"><Type>C</Type><Choices>" +
                                   Book("<C Value=\"001\">Fin</C>").repeated(24) +
                                   R"(<C Value="002">Rare</C></Choices></Attr><Attr id="001"><Type>V</Type></Attr>
<Attr id="002"><Type>C</Type><Choices><C Value="003">Fin</C></Choices></Attr><Attr id="003"><Type>X</Type></Attr>
<Attr id="004"><Type>X</Type></Attr>)")
            << 0
            << "fin « 003 » : on n'y arrive que par « 002 » (lu dans 3,6 % des aventures)\n"
               "      0    0,0 %  fin « 004 » : jamais atteinte\n";
        QTest::newRow("verbose") << QStringList { "--play", "20", "--verbose" }
                                 << TestWorkspace::book(R"(<Attr id="000"><Type>X</Type></Attr>
<Attr id="001"><Type>X</Type></Attr>)")
                                 << 0 << "  paragraphe jamais lu : « 001 »\n";
        QTest::newRow("play count") << QStringList { "--play", "0" } << soundBook << 2 << "--play prend";
        QTest::newRow("format") << QStringList { "--format", "xml" } << soundBook << 2 << "text ou json";
        QTest::newRow("unknown option") << QStringList { "--bogus" } << soundBook << 2 << "Option inconnue : « bogus »";
        QTest::newRow("two maps") << QStringList { "--graph", "a.dot", "Add-on", "Add-on" } << soundBook << 2
                                  << "--graph dessine la carte d'un seul livre ; 2 sont nommés";
        QTest::newRow("version") << QStringList { "--version" } << soundBook << 0 << "valdoriel-check 0.1";
        QTest::newRow("help") << QStringList { "--help" } << soundBook << 0
                              << "  --play <N>            Joue N aventures au hasard dans chaque livre.";
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
                 "\"000\" -> \"001\" [label=\"chance\"",
                 "\"000\" -> \"002\" [label=\"malchance\"",
                 "\"001\" -> \"003\" [label=\"Aller \\\"loin\\\"\"];",
                 "\"001\" -> \"missing:099\" [label=\"Nulle part\"];",
                 "\"002\" -> \"003\" [label=\"victoire : Ogre\"",
                 "\"002\" -> \"001\" [label=\"fuite\"",
                 "\"missing:099\" [label=\"099 (absent)\", color=red, fontcolor=red];",
             })
            QVERIFY2(dot.contains(QString::fromUtf8(line)), line);
        QCOMPARE(QProcess::execute(QStringLiteral("dot"), { "-Tsvg", "-o", "carte.svg", "carte.dot" }), 0);
    }
};

VALDORIEL_TEST_MAIN(CheckTest)
#include "tst_check.moc"
