// A WMI stand-in for tests: answers come from a table of (query, property) pairs, every
// question is recorded in the order it was asked.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "galdrin/wmi_questions.h"

namespace galdrin {

// Test failure messages show an answer as {count, "text"}.
inline void PrintTo(const QueryResult& result, std::ostream* out) {
  *out << "{" << result.count << ", \"" << result.text << "\"}";
}

}  // namespace galdrin

namespace galdrin::testing {

class ScriptedWmi : public WmiQuestions {
 public:
  using Question = std::pair<std::string, std::string>;  // query text, property

  // An answer for one question; questions without one find nothing (count 0).
  ScriptedWmi& Answer(const std::string& query, const std::string& property, QueryResult result) {
    answers_[{query, property}] = std::move(result);
    return *this;
  }
  // One object found with this value.
  ScriptedWmi& Value(const std::string& query, const std::string& property, std::string text) {
    return Answer(query, property, {1, std::move(text)});
  }
  ScriptedWmi& BoardName(std::string name) {
    boardName_ = std::move(name);
    return *this;
  }

  QueryResult WmiQueryValue(const std::string& query, const std::string& property) override {
    asked_.emplace_back(query, property);
    const auto found = answers_.find({query, property});
    return found == answers_.end() ? QueryResult{} : found->second;
  }

  std::string WmiBoardName() override {
    ++boardNameAsked_;
    return boardName_;
  }

  const std::vector<Question>& Asked() const { return asked_; }
  int BoardNameAsked() const { return boardNameAsked_; }

 private:
  std::map<Question, QueryResult> answers_;
  std::string boardName_;
  std::vector<Question> asked_;
  int boardNameAsked_ = 0;
};

}  // namespace galdrin::testing
