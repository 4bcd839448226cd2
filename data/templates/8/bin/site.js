/* The menus link pages by their published names ("./", "about-us.php", ...), which the
   program rewrites when it builds a site. A page opened straight from disk would find
   no such files, so there the links are pointed at the .html pages beside it. Links
   that begin with "#" (the editor's disabled links) are left alone. */
(function () {
  if (window.location.protocol !== "file:") return;
  var links = document.getElementsByTagName("a");
  for (var i = 0; i < links.length; i++) {
    var target = links[i].getAttribute("href");
    if (!target || target.charAt(0) === "#") continue;
    if (target === "./") links[i].setAttribute("href", "index.html");
    else if (/^[A-Za-z0-9_-]+\.php$/.test(target)) links[i].setAttribute("href", target.replace(/\.php$/, ".html"));
  }
})();
