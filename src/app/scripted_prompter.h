#pragma once
// A Prompter for tests: it records every prompt and answers from queues filled beforehand. A prompt
// that finds its queue empty throws, so an unexpected question fails the test loudly instead of
// being answered by a guess.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/prompter.h"

class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, Ask, AskText };

    /// One prompt as it was shown.
    struct Record {
        Kind kind = Kind::Message;
        std::string title;
        std::string text;  ///< the message, question or entry prompt
        PromptIcon icon = PromptIcon::Info;
        PromptButtons buttons = PromptButtons::Ok;
        int defaultButton = kIdOk;
        std::string defaultValue;       ///< preset text of a text entry
        std::string copyable;           ///< the copyable part of showCopyable (kind Message)
        std::string yesLabel, noLabel;  ///< button labels of askLabelled
    };

    /// Queues the answer to the next ask() (a button id).
    void queueAnswer(int buttonId) { m_answers.push_back(buttonId); }
    /// Queues the answer to the next askText(); std::nullopt answers with Cancel.
    void queueText(std::optional<std::string> text) { m_texts.push_back(std::move(text)); }

    const std::vector<Record>& records() const { return m_records; }
    bool answersLeft() const { return !m_answers.empty() || !m_texts.empty(); }

    void showMessage(const std::string& title, const std::string& text, PromptIcon icon) override {
        m_records.push_back(
            {Kind::Message, title, text, icon, PromptButtons::Ok, kIdOk, {}, {}, {}, {}});
    }

    void showCopyable(const std::string& title, const std::string& text,
                      const std::string& copyable, PromptIcon icon) override {
        m_records.push_back(
            {Kind::Message, title, text, icon, PromptButtons::Ok, kIdOk, {}, copyable, {}, {}});
    }

    int ask(const std::string& title, const std::string& text, PromptButtons buttons,
            int defaultButton, PromptIcon icon) override {
        m_records.push_back({Kind::Ask, title, text, icon, buttons, defaultButton, {}, {}, {}, {}});
        if (m_answers.empty()) {
            throw std::logic_error("unexpected question \"" + title + "\": " + text);
        }
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    int askLabelled(const std::string& title, const std::string& text, const std::string& yesLabel,
                    const std::string& noLabel, PromptIcon icon) override {
        const int answer = ask(title, text, PromptButtons::YesNo, kIdNo, icon);
        m_records.back().yesLabel = yesLabel;
        m_records.back().noLabel = noLabel;
        return answer;
    }

    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultValue) override {
        m_records.push_back({Kind::AskText,
                             title,
                             prompt,
                             PromptIcon::Question,
                             PromptButtons::OkCancel,
                             kIdOk,
                             defaultValue,
                             {},
                             {},
                             {}});
        if (m_texts.empty()) {
            throw std::logic_error("unexpected text entry \"" + title + "\": " + prompt);
        }
        std::optional<std::string> answer = std::move(m_texts.front());
        m_texts.pop_front();
        return answer;
    }

private:
    std::vector<Record> m_records;
    std::deque<int> m_answers;
    std::deque<std::optional<std::string>> m_texts;
};
