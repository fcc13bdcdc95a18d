#pragma once
// The dealer's terminal during a batch: the ports' threads ask for the next
// radio here, and the main thread puts their questions to the dealer one at
// a time, in the order they were asked, and reads the answer (Enter) from
// standard input. The end of the input or Ctrl+C closes the desk: every
// question then and after is answered "no". Lines the threads print go out
// whole, never mixed with another thread's.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

namespace q7::cli {

class DealerDesk {
 public:
  // From a port's thread: shows `question` and waits for Enter; false when
  // the desk closed instead.
  bool ask(const std::string& question);
  // From any thread: `text` (whole lines) on standard error.
  void say(const std::string& text);
  // A port's thread is done; the desk stays open for the others.
  void portDone();

  // On the main thread until every one of `ports` threads is done. The
  // first Ctrl+C is answered with a line saying what happens now.
  void serve(int ports);

 private:
  struct Question {
    std::string text;
    bool answered = false;
    bool yes = false;
  };
  void close();  // with the lock held
  void answerFront(std::unique_lock<std::mutex>& lock);
  // The next line the dealer enters; false at the end of the input or at Ctrl+C.
  bool readLine();

  std::mutex lock_;
  std::mutex printing_;
  std::condition_variable changed_;
  std::deque<Question*> waiting_;
  std::string typed_;  // read from standard input, not yet taken as lines
  int portsDone_ = 0;
  bool closed_ = false;
  bool interruptTold_ = false;
};

}  // namespace q7::cli
