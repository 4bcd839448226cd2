// _pblank.html: the page a newly registered hosted site shows until the
// first publish. The publisher wraps it in a PHP string without escaping
// "$" and rewrites "bin/" and "href=", so the page holds none of them; it
// is plain ASCII (named entities for the rest) and loads nothing.
#include "Catalogue.h"

namespace moxa::pictures {

QByteArray PlaceholderPage() {
  return R"HTML(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Coming soon</title>
<meta name="description" content="This website is being built and opens soon.">
<meta name="keywords" content="coming soon">
<meta name="robots" content="noindex">
<style>
html, body { height: 100%; margin: 0; }
body {
  display: flex; align-items: center; justify-content: center;
  background: #1b2552 linear-gradient(135deg, #1b2552 0%, #173b63 55%, #0b5c69 100%);
  color: #ffffff; text-align: center;
  font-family: "Segoe UI", Inter, Roboto, "Helvetica Neue", Arial, sans-serif;
}
main { max-width: 34rem; padding: 3rem 1.5rem; }
.mark {
  width: 72px; height: 72px; margin: 0 auto 1.75rem; border-radius: 18px;
  background: linear-gradient(135deg, #ffc966, #f28c28);
  display: flex; align-items: center; justify-content: center;
  box-shadow: 0 10px 30px rgba(0, 0, 0, 0.25);
}
.mark span {
  display: block; width: 40px; height: 32px; border-radius: 5px; background: #ffffff;
  border-top: 7px solid #1b2552; box-sizing: border-box;
}
h1 { font-size: 2.6rem; line-height: 1.15; margin: 0 0 1rem; letter-spacing: -0.02em; }
p { font-size: 1.15rem; line-height: 1.6; margin: 0 auto; color: rgba(255, 255, 255, 0.82); }
.dots { margin-top: 2rem; }
.dots i {
  display: inline-block; width: 10px; height: 10px; margin: 0 5px; border-radius: 50%;
  background: #f7ae32; opacity: 0.3; animation: pulse 1.4s infinite ease-in-out;
}
.dots i:nth-child(2) { animation-delay: 0.2s; }
.dots i:nth-child(3) { animation-delay: 0.4s; }
@keyframes pulse { 40% { opacity: 1; transform: scale(1.25); } }
@media (prefers-reduced-motion: reduce) { .dots i { animation: none; opacity: 0.8; } }
</style>
</head>
<body>
<main>
  <div class="mark" aria-hidden="true"><span></span></div>
  <h1>Coming soon</h1>
  <p>A new website is being built here. Please come back in a little while &ndash; it won&rsquo;t be long.</p>
  <div class="dots" aria-hidden="true"><i></i><i></i><i></i></div>
</main>
</body>
</html>
)HTML";
}

}  // namespace moxa::pictures
