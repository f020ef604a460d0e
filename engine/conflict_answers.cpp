#include "engine/conflict_answers.h"

namespace nubo {

ConflictAnswer ConflictAnswers::decide(const std::function<ConflictAnswer()>& ask, bool canResume) {
    ConflictAnswer answer;
    if (answeredForAll_) {
        answer = forAll_;
        answer.newName.clear();  // each file its own free name
    } else if (ask) {
        answer = ask();
        if (answer.forAll && answer.choice != ConflictChoice::Cancel) {
            answeredForAll_ = true;
            forAll_ = answer;
        }
    }
    if (answer.choice == ConflictChoice::Resume && !canResume) {
        answer.choice = ConflictChoice::Overwrite;
    }
    return answer;
}

}  // namespace nubo
