#pragma once
// A core Mesh uploaded into GL buffer objects once per rebuild, so a frame only binds and draws
// (the vertices of thousands of instances are not copied to the GL every frame). Needs the
// owning context current for upload, draw and release; destroying the context frees the buffers
// too, so a window that goes away may simply forget them.

#include <cstddef>

#include "view3d/mesh.h"

class GlMesh {
public:
    /// Replaces the buffers with the content of `mesh` (nothing is kept for an empty mesh).
    void upload(const Mesh& mesh);
    /// Draws the indexed triangles with vertex, normal and colour arrays from the buffers.
    void draw() const;
    /// For many instances of one mesh: bind once, draw each under its own matrix, unbind.
    void bind() const;
    void drawBound() const;
    static void unbind();
    bool empty() const { return m_count == 0; }
    /// Deletes the buffers.
    void release();
    /// Forgets the buffers without deleting them (their context is gone).
    void forget();

private:
    unsigned m_vertices = 0;
    unsigned m_indices = 0;
    int m_count = 0;
    int m_colourSize = 3;
    size_t m_normalOffset = 0;
    size_t m_colourOffset = 0;
};
