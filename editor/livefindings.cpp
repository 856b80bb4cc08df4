#include "livefindings.h"

#include "answerwarnings.h"
#include "checker/checktext.h"
#include "quiz/textcodec.h"
#include "quizdocument.h"

#include <algorithm>

namespace vatro::editor {

namespace {

// The bytes the checker reads for a file: what the document would write; a text the file
// cannot hold yet is checked with '?' for the characters Windows-1251 lacks and «ёлочки»
// for double quotes, and told of as a finding of its own.
std::optional<std::string> checkedBytes(const QuizDocument& document, QuizPart part,
                                        std::vector<EditorFinding>& unwritable) {
    const std::vector<QuizPart> changed = document.changedParts();
    const bool changes = std::find(changed.begin(), changed.end(), part) != changed.end();
    if (!document.onDisk(part).exists && !changes)
        return std::nullopt;
    WrittenFile file = document.fileBytes(part);
    if (file.ok())
        return std::move(file.bytes);
    const char* name = fileInfo(part).name;
    for (const WriteProblem& problem : file.problems) {
        Finding finding;
        finding.kind = Finding::Kind::NotWritable;
        finding.file = name;
        finding.record = problem.field;
        finding.what = describeWriteProblem(problem, name);
        FindingPlace place{part, std::nullopt,
                           part == QuizPart::Questions ? Side::Question : Side::Answer};
        if (problem.field > 0)
            place.index = problem.field - 1;
        unwritable.push_back({std::move(finding), place});
    }
    // Checked as it will be once the teacher has taken the editor's offer.
    std::vector<std::u16string> records = document.content().records(part);
    const bool cp1251 = document.onDisk(part).encoding == FileEncoding::Cp1251;
    for (std::u16string& record : records) {
        record = withGuillemets(record);
        if (cp1251)
            record = withQuestionMarks(record);
    }
    const std::u16string text = joinFields(records, part == QuizPart::Board ? BoardColumns : 1);
    std::string unused;
    std::size_t failedAt = 0;
    if (cp1251 && encodeCp1251(text, unused, failedAt))
        return unused;
    return "\xEF\xBB\xBF" + utf16ToUtf8(text);
}

} // namespace

std::vector<EditorFinding> liveFindings(const QuizDocument& document) {
    std::vector<EditorFinding> unwritable;
    QuizFileBytes files;
    files.board = checkedBytes(document, QuizPart::Board, unwritable);
    files.answers = checkedBytes(document, QuizPart::Answers, unwritable);
    files.questions = checkedBytes(document, QuizPart::Questions, unwritable);
    files.help = checkedBytes(document, QuizPart::Help, unwritable);
    const QuizCheck check = checkQuizFiles(document.folder(), files);
    std::vector<EditorFinding> findings;
    for (const Finding& finding : check.findings) {
        FindingPlace place;
        for (QuizPart part : AllParts) {
            if (finding.file == fileInfo(part).name)
                place.part = part;
        }
        place.side = place.part == QuizPart::Questions ? Side::Question : Side::Answer;
        if (finding.record > 0)
            place.index = finding.record - 1;
        findings.push_back({finding, place});
        // The editor shows pairs, not commas: an empty record is a pair without its side.
        const bool pairs = place.part == QuizPart::Questions || place.part == QuizPart::Answers;
        if (finding.kind == Finding::Kind::EmptyRecord && pairs && place.index) {
            const bool question = place.side == Side::Question;
            Finding& told = findings.back().finding;
            told.what = u"В паре " + quizcheck::num(*place.index + 1) +
                        (question ? u" нет вопроса: игра задаст пустой вопрос."
                                  : u" нет ответа: на этот вопрос нельзя ответить.");
            told.fix = question ? u"Впишите вопрос или удалите пару (Ctrl+Delete)."
                                : u"Впишите ответ или удалите пару (Ctrl+Delete).";
        }
    }
    findings.insert(findings.begin(), unwritable.begin(), unwritable.end());
    return findings;
}

} // namespace vatro::editor
