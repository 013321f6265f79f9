// Accept and refuse decisions on the W3C/OASIS XML conformance suite, beside the suite's own
// verdicts: a bare QDomDocument::setContent of the file as the book reader opens it (on Qt 5
// its SAX parser, the reader the player had before; on Qt 6 Qt 6's DOM), and the book reader.
// Prints the counts per kind of case, then every file that the two readers decide apart.
// Usage: bench_conformance [folder of xmlconf.xml]

#include "benchsupport.h"
#include "bookparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

struct TestCase {
    QString path; // relative to the suite's folder
    QString id;
    QString type; // valid, invalid, not-wf or error
    QString entities; // external entities a validating parser reads: none, general, parameter or both
    QString version; // the XML versions it applies to; empty for all
};

struct Decision {
    bool accepted = false;
    QString message;
};

// Reads the test cases listed in `file` (relative to `suite`), and in the files its external
// entities include, as xmlconf.xml includes each contributor's list. Elements are read
// against the folder of the file holding them, and each xml:base below it.
class Catalogue {
public:
    explicit Catalogue(const QString &suite)
        : suite(suite)
    {
    }

    bool read(const QString &file, QList<TestCase> *cases)
    {
        QFile input(suite.filePath(file));
        if (!input.open(QIODevice::ReadOnly)) {
            failure = QStringLiteral("%1: cannot be read").arg(file);
            return false;
        }
        QString content = QString::fromUtf8(input.readAll());
        // An included entity is content, not a document: without its text declaration and
        // inside an element of its own, it may hold several elements.
        if (file != QLatin1String(rootFile)) {
            if (content.startsWith(QLatin1String("<?xml")))
                content.remove(0, content.indexOf(QLatin1String("?>")) + 2);
            content = QLatin1String("<included>") + content + QLatin1String("</included>");
        }
        return readContent(file, content, cases);
    }

    QString failure;
    static constexpr const char *rootFile = "xmlconf.xml";

private:
    bool readContent(const QString &file, const QString &content, QList<TestCase> *cases)
    {
        QXmlStreamReader xml(content);
        QHash<QString, QString> entityFiles;
        QStringList bases { QFileInfo(file).path() };
        qint64 tokenStart = 0;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            // The stream reader drops the references to external entities it does not read;
            // they are found in the source of the markup and text around them.
            const QStringView source = QStringView(content).mid(tokenStart, xml.characterOffset() - tokenStart);
            tokenStart = xml.characterOffset();
            if ((token == QXmlStreamReader::Characters && !xml.isCDATA()) || token == QXmlStreamReader::StartElement ||
                token == QXmlStreamReader::EndElement) {
                if (!include(source, entityFiles, cases))
                    return false;
            }
            if (token == QXmlStreamReader::DTD) {
                for (const QXmlStreamEntityDeclaration &entity : xml.entityDeclarations()) {
                    if (!entity.systemId().isEmpty())
                        entityFiles.insert(entity.name().toString(), relative(bases.first(), entity.systemId()));
                }
            } else if (token == QXmlStreamReader::StartElement) {
                bases.append(relative(bases.last(), xml.attributes().value(QLatin1String("xml:base"))));
                if (xml.name() == QLatin1String("TEST"))
                    cases->append(testCase(xml.attributes(), bases.last()));
            } else if (token == QXmlStreamReader::EndElement) {
                bases.removeLast();
            }
        }
        if (xml.hasError())
            failure = QStringLiteral("%1, line %2: %3").arg(file).arg(xml.lineNumber()).arg(xml.errorString());
        return !xml.hasError();
    }

    // Reads the files of the external entities referred to in `source`.
    bool include(QStringView source, const QHash<QString, QString> &entityFiles, QList<TestCase> *cases)
    {
        static const QRegularExpression reference(QStringLiteral("&([^&;<\\s]+);"));
        for (QRegularExpressionMatchIterator references = reference.globalMatch(source.toString());
             references.hasNext();) {
            const QString name = references.next().captured(1);
            if (entityFiles.contains(name) && !read(entityFiles.value(name), cases))
                return false;
        }
        return true;
    }

    static QString relative(const QString &base, QStringView path)
    {
        return QDir::cleanPath(base + QLatin1Char('/') + path.toString());
    }

    static TestCase testCase(const QXmlStreamAttributes &attributes, const QString &base)
    {
        const auto value = [&attributes](const char *name, const char *byDefault) {
            return attributes.hasAttribute(QLatin1String(name)) ? attributes.value(QLatin1String(name)).toString()
                                                                : QString::fromLatin1(byDefault);
        };
        return TestCase { relative(base, attributes.value(QLatin1String("URI"))), value("ID", ""), value("TYPE", ""),
                          value("ENTITIES", "none"), value("VERSION", "") };
    }

    QDir suite;
};

Decision readByDom(const QString &path)
{
    QFile file(path);
    if (!BookParser::openBook(&file))
        return Decision { false, QStringLiteral("not opened") };
    QDomDocument document;
    QString message;
    int line = 0;
    const bool accepted = document.setContent(&file, &message, &line);
    return Decision { accepted, accepted ? QString() : QStringLiteral("line %1: %2").arg(line).arg(message) };
}

Decision readByBookParser(const QString &path)
{
    QFile file(path);
    if (!BookParser::openBook(&file))
        return Decision { false, QStringLiteral("not opened") };
    QMap<QString, Paragraph> paragraphs;
    BookParser::Failure failure;
    const bool accepted = BookParser::readBook(&file, &paragraphs, nullptr, &failure);
    return Decision { accepted,
                      accepted ? QString() : QStringLiteral("line %1: %2").arg(failure.line).arg(failure.message) };
}

// What the suite expects of a parser that does not validate: "valid" and "invalid" cases
// accepted, "not-wf" ones refused; "error" cases may go either way.
bool agrees(const TestCase &testCase, bool accepted)
{
    if (testCase.type == QLatin1String("error"))
        return true;
    return accepted == (testCase.type != QLatin1String("not-wf"));
}

// The counts of one row of the table.
struct Counts {
    int cases = 0;
    int domAccepts = 0;
    int domAgrees = 0;
    int parserAccepts = 0;
    int parserAgrees = 0;
    int readersDiffer = 0;
};

// The cases are counted apart by what a reader of standalone XML 1.0 can judge: cases whose
// verdict needs external entities or an external DTD read, which neither reader loads, and
// cases of XML 1.1 alone.
const char *const scopeNames[] = { "XML 1.0, standalone", "XML 1.0, external entities", "XML 1.1 only" };

int scopeOf(const TestCase &testCase)
{
    if (!testCase.version.isEmpty() && !testCase.version.split(QLatin1Char(' ')).contains(QLatin1String("1.0")))
        return 2;
    return testCase.entities == QLatin1String("none") ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString suite = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VALDORIEL_XMLCONF_DIR);
    if (!QFile::exists(QDir(suite).filePath(QLatin1String(Catalogue::rootFile)))) {
        report(QStringLiteral("No conformance suite in %1: skipped (give its folder as the argument).").arg(suite));
        return 0;
    }
    QList<TestCase> cases;
    Catalogue catalogue(suite);
    if (!catalogue.read(QLatin1String(Catalogue::rootFile), &cases)) {
        report(catalogue.failure);
        return 1;
    }
#if QT_VERSION_MAJOR == 5
    const QString domName = QStringLiteral("Qt %1 DOM (QXmlSimpleReader), the reader of before").arg(qVersion());
#else
    const QString domName = QStringLiteral("Qt %1 DOM (QXmlStreamReader), standing in for the reader of before, "
                                           "which was Qt 5's")
                                .arg(qVersion());
#endif
    report(QStringLiteral("%1 test cases of %2; DOM: %3; book reader: BookParser")
               .arg(cases.size())
               .arg(QDir::cleanPath(suite), domName));

    QMap<int, QMap<QString, Counts>> table; // scope, then type
    QStringList differences;
    int missing = 0;
    for (const TestCase &testCase : cases) {
        const QString path = QDir(suite).filePath(testCase.path);
        if (!QFile::exists(path)) {
            ++missing;
            continue;
        }
        const Decision dom = readByDom(path);
        const Decision parser = readByBookParser(path);
        Counts &counts = table[scopeOf(testCase)][testCase.type];
        ++counts.cases;
        counts.domAccepts += dom.accepted;
        counts.domAgrees += agrees(testCase, dom.accepted);
        counts.parserAccepts += parser.accepted;
        counts.parserAgrees += agrees(testCase, parser.accepted);
        if (dom.accepted == parser.accepted)
            continue;
        ++counts.readersDiffer;
        const auto word = [](bool accepted) {
            return accepted ? QStringLiteral("accepts") : QStringLiteral("refuses");
        };
        differences.append(QStringLiteral("%1 (%2, %3, entities %4): DOM %5%6; book reader %7%8")
                               .arg(testCase.path, testCase.id, testCase.type, testCase.entities, word(dom.accepted),
                                    dom.accepted ? QString() : QStringLiteral(" (%1)").arg(dom.message),
                                    word(parser.accepted),
                                    parser.accepted ? QString() : QStringLiteral(" (%1)").arg(parser.message)));
    }
    if (missing > 0)
        report(QStringLiteral("%1 listed files are missing, left out").arg(missing));

    report(QStringLiteral("| cases | type | count | DOM accepts | DOM agrees with the suite | book reader accepts "
                          "| book reader agrees | the two differ |"));
    report(QStringLiteral("|---|---|---|---|---|---|---|---|"));
    for (auto scope = table.cbegin(); scope != table.cend(); ++scope) {
        for (auto type = scope->cbegin(); type != scope->cend(); ++type) {
            const Counts &counts = type.value();
            report(QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 |")
                       .arg(QLatin1String(scopeNames[scope.key()]), type.key())
                       .arg(counts.cases)
                       .arg(counts.domAccepts)
                       .arg(counts.domAgrees)
                       .arg(counts.parserAccepts)
                       .arg(counts.parserAgrees)
                       .arg(counts.readersDiffer));
        }
    }
    report(QStringLiteral("The suite's verdict: valid and invalid cases accepted, not-wf refused, error either way."));
    report(QStringLiteral("%1 cases decided apart:").arg(differences.size()));
    for (const QString &difference : differences)
        report(difference);
    return 0;
}
