// The edits of a document, each a command that knows how to do and undo itself, on one stack that
// undoes and redoes them in turn. The stack remembers the command its document was last saved
// at: the document has unsaved changes whenever the stack stands elsewhere.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orbalide {

class UndoCommand {
 public:
  virtual ~UndoCommand() = default;
  virtual void Redo() = 0;
  virtual void Undo() = 0;
  // Takes in the command done right after this one, when the two make one edit for the user
  // (the keys typed in one box); returns whether it did.
  virtual bool Merge(const UndoCommand& /*next*/) { return false; }
};

class UndoStack {
 public:
  // Does the command and keeps it on the stack, in place of the commands undone before it;
  // merged into the command before it when that one takes it in and is not the one saved.
  void Push(std::unique_ptr<UndoCommand> command);
  bool CanUndo() const { return index_ > 0; }
  bool CanRedo() const { return index_ < commands_.size(); }
  void Undo();
  void Redo();

  // Whether the stack stands where the document was saved.
  bool Clean() const { return clean_ == index_; }
  void SetClean() { clean_ = index_; }
  // Forgets every command: a document opened, clean.
  void Clear();

 private:
  std::vector<std::unique_ptr<UndoCommand>> commands_;
  std::size_t index_ = 0;                 // the commands done, from the bottom
  std::optional<std::size_t> clean_ = 0;  // none once the saved state is undone and replaced
};

}  // namespace orbalide
