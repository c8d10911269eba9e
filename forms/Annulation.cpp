#include "Annulation.hpp"

namespace orbalide {

void UndoStack::Push(std::unique_ptr<UndoCommand> command) {
  command->Redo();
  commands_.resize(index_);
  if (clean_ && *clean_ > index_) clean_.reset();
  if (index_ > 0 && clean_ != index_ && commands_.back()->Merge(*command)) return;
  commands_.push_back(std::move(command));
  ++index_;
}

void UndoStack::Undo() {
  if (CanUndo()) commands_[--index_]->Undo();
}

void UndoStack::Redo() {
  if (CanRedo()) commands_[index_++]->Redo();
}

void UndoStack::Clear() {
  commands_.clear();
  index_ = 0;
  clean_ = 0;
}

}  // namespace orbalide
