# The user manual as HTML: each Markdown page of the manual's folder made into
# a page of the output folder, its links to other pages pointing at their HTML,
# and the pictures copied beside them.
# SPDX-License-Identifier: GPL-3.0-or-later
import pathlib
import re
import shutil
import sys

import markdown

PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title} - Korain Manual</title>
<style>
body {{ font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
table {{ border-collapse: collapse; }}
td, th {{ border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; }}
code, pre {{ background: #f4f4f4; }}
pre {{ padding: 0.5em; overflow-x: auto; }}
nav {{ margin-bottom: 1em; }}
</style>
</head>
<body>
{nav}
{body}
</body>
</html>
"""


def title_of(text):
    heading = re.search(r"^# (.+)$", text, re.MULTILINE)
    return heading.group(1).strip() if heading else "Korain"


def html_of(text):
    body = markdown.markdown(text, extensions=["tables", "fenced_code"], output_format="html")
    # Links between pages name the Markdown files, which the HTML replaces.
    return re.sub(r'href="([\w-]+)\.md(#[\w-]+)?"', r'href="\1.html\2"', body)


def main(source, output):
    source, output = pathlib.Path(source), pathlib.Path(output)
    output.mkdir(parents=True, exist_ok=True)
    for page in sorted(source.glob("*.md")):
        text = page.read_text(encoding="utf-8")
        nav = "" if page.stem == "index" else '<nav><a href="index.html">Korain Manual</a></nav>'
        html = PAGE.format(title=title_of(text), nav=nav, body=html_of(text))
        (output / (page.stem + ".html")).write_text(html, encoding="utf-8")
    shutil.copytree(source / "images", output / "images", dirs_exist_ok=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: build_html.py MARKDOWN_FOLDER HTML_FOLDER")
    main(sys.argv[1], sys.argv[2])
