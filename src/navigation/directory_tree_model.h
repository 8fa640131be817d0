#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <memory>
#include <string>
#include <vector>

namespace krellix {

// The directories of the file system as a tree for the "Tree" pane: one top item "/", and
// under every directory its sub-directories in alphabetical order (letter case ignored),
// hidden ones left out. A directory is listed the first time its children are asked for, and
// only directories are looked at, so opening a folder of many files stays cheap. The tree is
// a snapshot: a new model reads the disk again.
class DirectoryTreeModel final : public QAbstractItemModel {
  Q_OBJECT

 public:
  explicit DirectoryTreeModel(QObject* parent = nullptr);
  ~DirectoryTreeModel() override;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

  // The item of a directory given by its absolute path (a trailing "/" is allowed), listing
  // the directories on the way. A directory the listing leaves out (a hidden one) is added
  // where it is asked for. Invalid when the path names no directory.
  QModelIndex IndexOf(const std::string& path);
  // The full path of an item ("/" for the top item, no trailing "/" otherwise).
  std::string PathOf(const QModelIndex& index) const;

 private:
  struct Node {
    std::string name;
    std::string path;
    Node* parent = nullptr;
    int row = 0;
    bool listed = false;
    std::vector<std::unique_ptr<Node>> children;
  };

  Node* NodeOf(const QModelIndex& index) const;
  QModelIndex IndexOfNode(const Node* node) const;
  void List(Node* node);
  Node* AddChild(Node* node, std::string name);

  // The invisible root; its one child is "/".
  Node root_;
  QIcon folder_;
};

}  // namespace krellix
