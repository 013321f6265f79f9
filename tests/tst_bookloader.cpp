// Reading a book file into paragraphs, and what the reader is told when it cannot be read.

#include "adventure.h"
#include "adventuredriver.h"
#include "bookparser.h"
#include "bookxmlreader.h"
#include "gamebook.h"
#include "modalanswers.h"
#include "paragraphfiller.h"
#include "testmain.h"

class BookLoaderTest : public WorkspaceTest {
    Q_OBJECT

private:
    static Paragraph only(const QByteArray &attr)
    {
        return TestWorkspace::load(TestWorkspace::book(attr)).value(QStringLiteral("000"));
    }

    // A document type declaring the entity `name` as `replacement`, then a root holding `body`.
    static QByteArray withEntity(const QByteArray &name, const QByteArray &replacement, const QByteArray &body)
    {
        return "<!DOCTYPE Livre [<!ENTITY " + name + " \"" + replacement + "\">]>\n<Livre Title=\"x\">" + body +
            "</Livre>";
    }

private Q_SLOTS:
    void readsEachValueKind()
    {
        const Paragraph paragraph = only(R"(<Attr id="000">
            <Text>  Un <b>texte</b> verbatim  </Text><Type>C,E</Type>
            <Flee active="1" Penality="1" Ref="042" Round=" 1 "/>
            <Monster Type="Orc"><M Name="Grok" Habilete="+7" Endurance="abc" Value="010"/></Monster>
            <Luck active="true"><Lucky Value="020">Ouf</Lucky><Other/><Unlucky Value="021">Aïe</Unlucky></Luck>
            <Bonus active="2" Habilete="-3" Endurance="2147483648" Chance="1.5"/>
            </Attr>)");
        QCOMPARE(paragraph.text, QStringLiteral("  Un texte verbatim  "));
        const Monster monster = paragraph.monsters.value(QStringLiteral("M1"));
        QCOMPARE((QStringList { paragraph.type, paragraph.fleeRef, paragraph.monsterType, monster.name, monster.value,
                                paragraph.luck.lucky.target, paragraph.luck.lucky.text, paragraph.luck.unlucky.text }),
                 (QStringList { "C,E", "042", "Orc", "Grok", "010", "020", "Ouf", "Aïe" }));
        // Flags, then numbers: a number that is not whole or not within the int range reads as 0.
        QCOMPARE((QList<int> { paragraph.fleeActive, paragraph.fleePenalty, paragraph.luck.active,
                               paragraph.bonusActive, paragraph.fleeRound, monster.habilete, monster.endurance,
                               paragraph.bonusHabilete, paragraph.bonusEndurance, paragraph.bonusChance }),
                 (QList<int> { 1, 1, 0, 1, 1, 7, 0, -3, 0, 0 }));
        const Paragraph flags = only(R"(<Attr id="000"><Flee active="01" Penality=" 1" Round="2.0"/>
            <Bonus active="deux"/></Attr>)");
        QCOMPARE((QList<int> { flags.fleeActive, flags.fleePenalty, flags.fleeRound, flags.bonusActive }),
                 (QList<int> { 0, 0, 0, 0 }));
    }

    void readsObjects()
    {
        const Paragraph paragraph = only(R"(<Attr id="000"><Objects>
            <Objet exchange="1"><Text>Épée</Text><Type> 1 </Type><Bonus Habilete="2" Endurance="1" Chance="3"/>
              <Gold Value="5"/><Food Value="2"/><Other>rouillée</Other><Inconnu/></Objet>
            <Objet throw="1"><Text>Clé</Text></Objet>
            </Objects></Attr>)");
        const GameObject sword = paragraph.objects.value(QStringLiteral("O1"));
        QCOMPARE(sword.name + '|' + sword.other, QStringLiteral("Épée|rouillée"));
        QCOMPARE((QList<int> { sword.type, sword.exchange, sword.throwAway, sword.bonusHabilete, sword.bonusEndurance,
                               sword.bonusChance, sword.gold, sword.food }),
                 (QList<int> { 1, 1, 0, 2, 1, 3, 5, 2 }));
        // Each object starts afresh: nothing of the first one leaks into the second.
        const GameObject key = paragraph.objects.value(QStringLiteral("O2"));
        QCOMPARE((QList<int> { key.type, key.exchange, key.throwAway, key.gold }), (QList<int> { 0, 0, 1, 0 }));
    }

    void keepsParagraphsApart()
    {
        const QMap<QString, Paragraph> paragraphs = TestWorkspace::load(TestWorkspace::book(R"(
            <Attr id="000"><Text>Premier</Text><Flee active="1" Round="1"/></Attr>
            <!-- un commentaire --><Autre id="x"/>
            <Attr id="7"><Text>Sept</Text></Attr>
            <Attr id="007"><Text>Zéro zéro sept</Text></Attr>
            <Attr id="7"><Text>Sept, redéfini</Text></Attr>
            <Attr><Text>Sans id</Text></Attr>
            <Groupe><Attr id="cache"><Text>Pas lu</Text></Attr></Groupe>)"));
        QCOMPARE(paragraphs.keys(), (QStringList { "", "000", "007", "7" }));
        QCOMPARE((QStringList { paragraphs.value("7").text, paragraphs.value("007").text, paragraphs.value("").text }),
                 (QStringList { "Sept, redéfini", "Zéro zéro sept", "Sans id" }));
        QVERIFY(!paragraphs.value("7").fleeActive);
        QCOMPARE(paragraphs.value("7").fleeRound, 0);
    }

    void numbersSubMapEntries()
    {
        QByteArray choices;
        for (int number = 1; number <= 12; ++number)
            choices += "<C Value=\"" + QByteArray::number(number) + "\">Choix " + QByteArray::number(number) + "</C>";
        const Paragraph twelve = only("<Attr id=\"000\"><Choices>" + choices + "</Choices></Attr>");
        QCOMPARE(twelve.choices.size(), 12);
        for (int number = 1; number <= 12; ++number)
            QCOMPARE(twelve.choices.value(subMapKey('C', number)).target, QString::number(number));

        // A second element renumbers from 1: its entries replace the first one's, higher ones remain.
        const Paragraph twice = only(R"(<Attr id="000"><Text>Un</Text><Text>Deux</Text>
            <Choices><a Value="1">A</a><b Value="2">B</b><c Value="3">C</c></Choices>
            <Choices><d Value="4">D</d></Choices></Attr>)");
        QCOMPARE(twice.choices.size(), 3);
        QCOMPARE(QStringList({ twice.text, twice.choices.value("C1").text, twice.choices.value("C3").text }),
                 (QStringList { "Deux", "D", "C" }));
    }

    // A text is all the character data inside its element, as QtXml's DOM gathers it.
    void gathersTexts_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        const auto text = [](const QByteArray &inside) {
            return "<Attr id=\"000\"><Text>" + inside + "</Text></Attr>";
        };
        QTest::newRow("declared entity holding markup")
            << withEntity("m", "<b>gras</b> et &#233;", text("&m; &m;")) << "gras et é gras et é";
        QTest::newRow("character references") << TestWorkspace::book(text("&lt;&#65;&amp;&#x42;")) << "<A&B";
        // Forbidden by XML, but read as they always were: a control character, and a
        // character past U+FFFF written as its two halves.
        QTest::newRow("references XML forbids")
            << TestWorkspace::book(text("a&#11;b&#xD83D;&#56832;c<![CDATA[&#11;]]>")) << "a\u000bb\U0001F600c&#11;";
        // The file is read in blocks of 4096 bytes first: the references cut by the end of one.
        const int textStart = int(TestWorkspace::book(text("@")).indexOf('@'));
        for (int cut = 1; cut <= 12; cut += 5) {
            const QByteArray before(4096 - cut - textStart, 'x');
            QTest::newRow(qPrintable(QStringLiteral("references cut %1 characters in").arg(cut)))
                << TestWorkspace::book(text(before + "&#xD83D;&#56832;&#11;"))
                << QString::fromLatin1(before) + "\U0001F600\u000b";
        }
        // Past the first block, well-formed UTF-8 goes to the parser undecoded: characters,
        // references and control characters cut by the end of a block wherever it falls.
        const QByteArray mixed = "\xc3\xa9&#11;\xe2\x82\xac&#xD83D;&#56832;\x0b\xf0\x9f\x98\x80<![CDATA[&#11;]]>";
        const QString mixedText = QStringLiteral("é\u000b€\U0001F600\u000b\U0001F600&#11;");
        for (int shift = 0; shift < 7; ++shift) {
            QTest::newRow(qPrintable(QStringLiteral("characters across blocks, shifted by %1").arg(shift)))
                << TestWorkspace::book(text(QByteArray(shift, 'x') + mixed.repeated(5000)))
                << QString(shift, QLatin1Char('x')) + mixedText.repeated(5000);
        }
        const int firstBlockEnd = 4096 - textStart;
        QTest::newRow("character cut by the end of the first block")
            << TestWorkspace::book(text(QByteArray(firstBlockEnd - 1, 'x') + "\xc3\xa9"))
            << QString(firstBlockEnd - 1, QLatin1Char('x')) + QStringLiteral("é");
        QTest::newRow("stray byte after the first block")
            << TestWorkspace::book(text(QByteArray(100000, 'x') + "\xff\xc3\xa9"))
            << QString(100000, QLatin1Char('x')) + QStringLiteral("\ufffdé");
        QTest::newRow("undeclared entities") << TestWorkspace::book(text("Caf&eacute; cr&egrave;me")) << "Caf crme";
        QTest::newRow("CDATA") << TestWorkspace::book(text("a<![CDATA[ <b>&amp; ]]>b")) << "a <b>&amp; b";
        QTest::newRow("comment and instruction")
            << TestWorkspace::book(text("Un<!-- note -->deux<?pi x?>trois")) << "Undeuxtrois";
        QTest::newRow("white space only") << TestWorkspace::book(text("  \n ")) << "";
        QTest::newRow("white space around elements") << TestWorkspace::book(text(" a <i> </i> b ")) << " a  b ";
        const QString crlf =
            QStringLiteral("\ufeff<L>\r\n") + QString::fromUtf8(text("\xc3\xa9t\xc3\xa9\r\nx")) + "</L>";
        QTest::newRow("UTF-16 with carriage returns")
            << QByteArray(reinterpret_cast<const char *>(crlf.utf16()), crlf.size() * 2) << "été\nx";
        QTest::newRow("Latin-1") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<L>" +
                                               text("\xe9t\xe9") + "</L>")
                                 << "été";
    }

    void gathersTexts()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        const Paragraph paragraph = TestWorkspace::load(content).value(QStringLiteral("000"));
        QCOMPARE(paragraph.text, text);
        QVERIFY(!paragraph.text.isNull());
    }

    void reportsWhatCannotBeRead_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("opened"); // whether the file opens, to be found malformed
        QTest::newRow("missing file") << "absent.xml" << QByteArray() << false;
        QTest::newRow("folder") << "dossier.xml" << QByteArray() << false;
        QTest::newRow("not XML") << "texte.xml" << QByteArray("<Livre Title=\"x\"><Attr>") << true;
        QTest::newRow("empty") << "vide.xml" << QByteArray("") << true;
        QTest::newRow("nested too deep") << "profond.xml"
                                         << QByteArray("<a>").repeated(257) + QByteArray("</a>").repeated(257) << true;
        // An entity that would expand to thousands of millions of characters (the other limits are
        // tested small below, their real values in the benchmark).
        QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
        for (int level = 1; level <= 9; ++level) {
            bomb += "<!ENTITY lol" + QByteArray::number(level) + " \"";
            bomb += QByteArray("&lol" + (level > 1 ? QByteArray::number(level - 1) : QByteArray()) + ";").repeated(10);
            bomb += "\">\n";
        }
        bomb += "]>\n<Livre Title=\"Bombe\"><Attr id=\"000\"><Text>&lol9;</Text></Attr></Livre>\n";
        QTest::newRow("entity bomb") << "bombe.xml" << bomb << true;
    }

    void reportsWhatCannotBeRead()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, opened);
        workspace.clearBooks();
        QString path = workspace.bookFolder() + QLatin1Char('/') + fileName;
        if (fileName == QLatin1String("dossier.xml"))
            QDir().mkpath(path);
        else if (fileName != QLatin1String("absent.xml"))
            path = workspace.writeBook(fileName, content);

        QElapsedTimer clock;
        clock.start();
        auto *window = new gameBook;
        window->setFileName(path);
        ModalAnswers answers;
        QString title, text;
        answers.acceptMessageBox(&title, &text);
        window->loadGameBook();
        AdventureDriver::settle();
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QCOMPARE(title + '\n' + text,
                 opened ? QStringLiteral("Erreur ouverture document XML\nLe document XML n'a pas pu être attribué à "
                                         "l'objet QDomDocument.")
                        : QStringLiteral("Erreur ouverture fichier-jeu\nLe fichier-jeu n'a pas pu être ouvert."));
        QVERIFY2(clock.elapsed() < 10000, "a hostile file must be refused quickly");
        QVERIFY(window->adventure().paragraphs().isEmpty());
        // An unreadable file shows nothing; a malformed one shows the empty first paragraph.
        QCOMPARE(AdventureDriver::textView(window) != nullptr, opened);
        QCOMPARE(AdventureDriver::shownText(window), QString());
        QCOMPARE(window->adventure().visitedParagraphs(), opened ? QStringLiteral("000,") : QString());
        delete window;
    }

    // The references XML forbids are read only when written as XML writes references.
    void readsReferencesWrittenAsXml_data()
    {
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("leading zeros") << QByteArray("&#0011;") << true;
        QTest::newRow("hexadecimal") << QByteArray("&#x0b;") << true;
        QTest::newRow("space") << QByteArray("&# 11;") << false;
        QTest::newRow("sign") << QByteArray("&#+11;") << false;
        QTest::newRow("hexadecimal sign") << QByteArray("&#x+b;") << false;
        QTest::newRow("past every character") << QByteArray("&#99999999999;") << false;
    }

    void readsReferencesWrittenAsXml()
    {
        QFETCH(QByteArray, reference);
        QFETCH(bool, accepted);
        QBuffer buffer;
        buffer.setData(TestWorkspace::book("<Attr id=\"000\"><Text>a" + reference + "b</Text></Attr>"));
        buffer.open(QIODevice::ReadOnly);
        QMap<QString, Paragraph> paragraphs;
        QCOMPARE(BookParser::readBook(&buffer, &paragraphs), accepted);
        QCOMPARE(paragraphs.value(QStringLiteral("000")).text, accepted ? QStringLiteral("a\u000bb") : QString());
    }

    void warnsOfAMissingFileName()
    {
        auto *window = new gameBook;
        ModalAnswers answers;
        QString first, text, second;
        answers.acceptMessageBox(&first, &text);
        answers.acceptMessageBox(&second);
        window->loadGameBook();
        QVERIFY(answers.allAnswered());
        QCOMPARE(QStringList({ first, text, second }),
                 (QStringList { "Erreur fichier", "Le fichier n'est pas renseigné", "Erreur ouverture fichier-jeu" }));
        delete window;
    }

    // Each limit is judged on what entities expand to, and a file at the limit is read.
    void refusesPastTheLimits_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("accepted");
        // Each shape at the limits (depth 8, 40 nodes, 400 characters, 5 child elements), then one step past.
        for (int past = 0; past <= 1; ++past) {
            const QByteArray limit = past ? " past the limit" : " at the limit";
            const int steps = 7 + past;
            QTest::newRow("entity of nested elements" + limit)
                << withEntity("d", "<a><a><a></a></a></a>",
                              QByteArray("<b>").repeated(steps - 3) + "&d;" + QByteArray("</b>").repeated(steps - 3))
                << !past;
            QTest::newRow("undeclared entity, then nesting" + limit)
                << "<L>&eacute;" + QByteArray("<a>").repeated(steps) + QByteArray("</a>").repeated(steps) + "</L>"
                << !past;
            QTest::newRow("entity of elements" + limit)
                << withEntity("t", QByteArray("<a/>").repeated(5), QByteArray("&t;").repeated(steps)) << !past;
            QTest::newRow("entity of comments" + limit)
                << withEntity("c", QByteArray("<!---->").repeated(5), QByteArray("&c;").repeated(steps)) << !past;
            const QByteArray text = QByteArray("x").repeated(50);
            QTest::newRow("entity of text" + limit)
                << withEntity("t", text, QByteArray("&t;").repeated(steps)) << !past;
            QTest::newRow("entity in an attribute" + limit)
                << withEntity("t", text, "<a v=\"" + QByteArray("&t;").repeated(steps) + "\"/>") << !past;
            QTest::newRow("elements under one element" + limit)
                << "<L><P>" + QByteArray("<a/>").repeated(steps - 2) + "</P>" + QByteArray("<P/>").repeated(6) + "</L>"
                << !past;
            QTest::newRow("parentheses of a declaration" + limit) << "<!DOCTYPE L [<!ELEMENT L " +
                    QByteArray("(").repeated(steps + 1) + "a" + QByteArray(")").repeated(steps + 1) +
                    ">]><L/>" << !past;
        }
    }

    void refusesPastTheLimits()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, accepted);
        QBuffer buffer;
        buffer.setData(content);
        buffer.open(QIODevice::ReadOnly | QIODevice::Text);
        QMap<QString, Paragraph> paragraphs;
        ParagraphFiller filler(&paragraphs);
        BookXmlReader reader(&buffer, XmlLimits { 8, 40, 400, 5 }, &filler);
        QCOMPARE(reader.read(), accepted);
        QCOMPARE(reader.overLimits(), !accepted);
    }

    // Entities are charged before the parser expands them: a small book of references to a
    // long entity is refused, and many references to short ones are read.
    void boundsWhatEntitiesAdd_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("accepted");
        // Within the limit of characters, which would refuse them only once expanded.
        const QByteArray references = QByteArray("&e;").repeated(10000);
        QTest::newRow("long entity, 10000 references")
            << withEntity("e", QByteArray("x").repeated(4000),
                          "<Attr id=\"000\"><Text>" + references + "</Text></Attr>")
            << false;
        QTest::newRow("long entity, in attributes")
            << withEntity("e", QByteArray("x").repeated(4000), "<Attr id=\"" + references + "\"/>") << false;
        QTest::newRow("nested entities") << "<!DOCTYPE L [<!ENTITY a \"" + QByteArray("x").repeated(60) +
                "\"><!ENTITY e \"" + QByteArray("&a;").repeated(60) + "\">]><L>" + references +
                "</L>" << false;
        // The name read from the bytes as they come, past the first block.
        QTest::newRow("long entity of a name beyond ASCII")
            << withEntity("\xc3\xa9", QByteArray("x").repeated(4000),
                          "<Attr id=\"000\"><Text>" + QByteArray("&\xc3\xa9;").repeated(10000) + "</Text></Attr>")
            << false;
        const QByteArray manyReferences = QByteArray("&e;").repeated(40000);
        QTest::newRow("short entity, 40000 references in the first block too")
            << withEntity("e", "\xc3\xa9", "<Attr id=\"000\"><Text>" + manyReferences + "</Text></Attr>") << true;
    }

    void boundsWhatEntitiesAdd()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, accepted);
        QBuffer buffer;
        buffer.setData(content);
        buffer.open(QIODevice::ReadOnly);
        QMap<QString, Paragraph> paragraphs;
        bool overLimits = false;
        QCOMPARE(BookParser::readBook(&buffer, &paragraphs, &overLimits), accepted);
        QCOMPARE(overLimits, !accepted);
        if (accepted)
            QCOMPARE(paragraphs.value(QStringLiteral("000")).text, QString(40000, QChar(0xe9)));
    }
};

VALDORIEL_TEST_MAIN(BookLoaderTest)
#include "tst_bookloader.moc"
