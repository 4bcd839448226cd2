<?php
// The account record and the page list of the site whose e-mail address and
// password match; nothing when they do not.
$account = find_account_by_email(arg('email'));
if ($account && $account['email'] !== '' && hash_equals($account['password'], arg('password'))) {
  echo account_record($account) . $account['pages'];
}
