#pragma once

#include <QString>
#include <functional>

// Every modal message box of the program goes through here, so tests (and
// headless runs) answer them without a window system. The default answers
// with a real QMessageBox on the GUI thread.
class PromptService {
 public:
  enum class Icon { Information, Warning, Critical, Question };
  enum class Answer { Ok, Cancel, Yes, No };

  struct Prompt {
    Icon icon = Icon::Information;
    QString title;
    QString text;
    // Shown under the text in a smaller font; may hold a link.
    QString informativeText;
    // Which buttons the box offers: Ok only, Ok+Cancel, or Yes+No.
    enum class Buttons { Ok, OkCancel, YesNo } buttons = Buttons::Ok;
  };

  using Handler = std::function<Answer(const Prompt&)>;

  // Shows the prompt (or hands it to the installed handler) and returns the answer.
  static Answer ask(const Prompt& prompt);

  // Installs a handler for every later prompt; an empty handler restores the
  // message boxes.
  static void setHandler(Handler handler);
};
